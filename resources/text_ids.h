#pragma once
// Names of string-table entries (resources/string_table.h) that code refers to.
// Load them with LoadText or FormatText (resources/strings.h).

namespace tk48::text {

// device result messages (a device result code of 210 shows kDeviceError)
inline constexpr int kDeviceProcessing = 1;
inline constexpr int kFailedToSaveSetting = 3;
inline constexpr int kUnsupportedSettingValues = 101;
inline constexpr int kSettingDataCorrupted = 102;
inline constexpr int kLoggingSettingLocked = 103;

// network session errors, numbered by their error code
inline constexpr int kEncryptionFailure = 195;
inline constexpr int kDecryptionFailure = 196;
inline constexpr int kHeaderError = 224;
inline constexpr int kReceiveHeaderFailed = 225;
inline constexpr int kOutOfMemory = 226;
inline constexpr int kSendFailed = 227;
inline constexpr int kInvalidReceiveSize = 228;
inline constexpr int kReceiveFailed = 229;
inline constexpr int kFailed = 233;
inline constexpr int kConnectionFailure = 254;
inline constexpr int kStatusUnavailable = 1204;
inline constexpr int kPasswordIncorrect = 1205;
inline constexpr int kUnsupportedDevice = 1206;

// setting data transfer
inline constexpr int kFailedToDecompress = 1200;
inline constexpr int kCannotOpenComPort = 1201;
inline constexpr int kFailedToCompress = 1232;
inline constexpr int kConfirmUpload = 1260;
inline constexpr int kSettingDataOverCapacity = 1261;

// CSV dialog
inline constexpr int kCsvSaveTitle = 3000;
inline constexpr int kCsvReadTitle = 3001;
inline constexpr int kCsvSaveFolderPrompt = 3002;
inline constexpr int kCsvReadFolderPrompt = 3003;
inline constexpr int kCsvInvalidPath = 3004;
inline constexpr int kCsvReadError = 3005;
inline constexpr int kCsvSelectItems = 3006;
inline constexpr int kCsvWriteError = 3007;
inline constexpr int kCsvSelectAll = 27463;
// CSV import error log
inline constexpr int kCsvNoItem = 27464;
inline constexpr int kCsvRowError = 27465;
inline constexpr int kCsvSettingError = 27466;
inline constexpr int kCsvCaution = 27467;
inline constexpr int kCsvMax = 27468;
inline constexpr int kCsvStopReading = 27469;
inline constexpr int kCsvNoNumberLine = 27470;
inline constexpr int kCsvLogOpen = 27471;
inline constexpr int kCsvLogClose = 27472;
inline constexpr int kCsvLogOpenError = 27473;
inline constexpr int kCsvLogName = 27474;
inline constexpr int kCsvLogSeparator = 27475;

// configuration files
inline constexpr int kFileSaved = 5101;
inline constexpr int kConfigFileFilter = 5103;
inline constexpr int kFailedToConvert = 5104;
inline constexpr int kUnsupportedParameter = 5105;
inline constexpr int kUnsupportedInformation = 5106;

// input check rule suffixes, appended to a field message
inline constexpr int kSuffixFreeTextLength = 5000;
inline constexpr int kSuffixRealRange = 5001;
inline constexpr int kSuffixRealRangeNonZero = 5002;
inline constexpr int kSuffixIntRange = 5003;
inline constexpr int kSuffixHexRange = 5004;
inline constexpr int kSuffixUIntRange = 5005;
inline constexpr int kSuffixReal4RangeNonZero = 5006;
inline constexpr int kSuffixAsciiTextLength = 5007;
inline constexpr int kSuffixLength = 5008;

// start-up
inline constexpr int kSocketsInitFailed = 21101;

// main window
inline constexpr int kAppTitle = 21201;
inline constexpr int kUsb = 21202;
inline constexpr int kNetwork = 21203;
inline constexpr int kAccessMode = 21204;
inline constexpr int kConfiguration = 21205;
inline constexpr int kNewSetting = 21206;
inline constexpr int kDownloadFromDevice = 21207;
inline constexpr int kReadFile = 21208;
inline constexpr int kMaintenance = 21209;
inline constexpr int kCommunicationLog = 21210;
inline constexpr int kGeneral = 21211;
inline constexpr int kConfirmAccessModeCheck = 21212;
inline constexpr int kConnect = 21213;
inline constexpr int kQuit = 21214;
inline constexpr int kReadCsvFile = 21215;
inline constexpr int kAboutMenu = 21216;
inline constexpr int kAboutVersion = 21217;
inline constexpr int kRemoteConfigTitle = 21218;
inline constexpr int kXmlFilePattern = 21219;
inline constexpr int kFailedToOpenFile = 21220;

// connection, address book, login and access-mode dialogs
inline constexpr int kComPortName = 21301;
inline constexpr int kSetNetworkAddress = 21302;
inline constexpr int kConfirmAccessMode = 21303;
inline constexpr int kLogin = 21304;
inline constexpr int kPortAddressDefault = 21305;
inline constexpr int kCom = 21306;
inline constexpr int kOk = 21307;
inline constexpr int kCancel = 21308;
inline constexpr int kPortOutOfRange = 21309;
inline constexpr int kSelectNetworkAddress = 21310;
inline constexpr int kDeviceName = 21311;
inline constexpr int kDomainOrIpAddress = 21312;
inline constexpr int kName = 21313;
inline constexpr int kDuplicateDeviceNames = 21314;
inline constexpr int kDevice = 21315;
inline constexpr int kChange = 21316;
inline constexpr int kLoginId = 21317;
inline constexpr int kPassword = 21318;
inline constexpr int kInvalidLogin = 21319;

// configuration hub
inline constexpr int kSystem = 21401;
inline constexpr int kInputOutput = 21402;
inline constexpr int kCommunication = 21403;
inline constexpr int kEmail = 21404;
inline constexpr int kGraphDisplay = 21405;
inline constexpr int kRecord = 21406;
inline constexpr int kScheduler = 21407;
inline constexpr int kProcessMonitor = 21408;
inline constexpr int kUploadToDevice = 21409;
inline constexpr int kSaveFile = 21410;
inline constexpr int kSaveCsvFile = 21411;
inline constexpr int kShowInvalidSettingCheck = 21412;
inline constexpr int kBack = 21413;
inline constexpr int kIdPasswordTitle = 21414;
inline constexpr int kDiscardChanges = 21415;
inline constexpr int kDefaultConfigFileName = 21416;
inline constexpr int kFailedToSaveFile = 21417;
inline constexpr int kCredentialsWarning = 21418;
inline constexpr int kSetIdAndPassword = 21419;
inline constexpr int kWebServer = 21420;
inline constexpr int kFtpServer = 21421;
inline constexpr int kCredentialsStillWeak = 21422;

// communication log
inline constexpr int kClearLog = 21501;
inline constexpr int kSaveLog = 21502;
inline constexpr int kDipSwitchOn = 21503;
inline constexpr int kDipSwitchOff = 21504;
inline constexpr int kDeletingLog = 21505;
inline constexpr int kTextFileFilter = 21506;
inline constexpr int kComLogFileName = 21507;
inline constexpr int kCannotOpenFile = 21508;
inline constexpr int kExitingLog = 21509;

// network session: error titles and layout
inline constexpr int kErrorOpen = 22201;
inline constexpr int kErrorConnect = 22202;
inline constexpr int kErrorLogin = 22203;
inline constexpr int kErrorGet = 22204;
inline constexpr int kErrorPut = 22205;
inline constexpr int kSessionErrorFormat = 22206;

// device transfer messages
inline constexpr int kPleaseWait = 22301;
inline constexpr int kDeviceVersion = 22302;
inline constexpr int kDeviceError = 22303;
inline constexpr int kDeviceErrorCode = 22304;
inline constexpr int kIllegalNetworkAddress = 22305;
inline constexpr int kFailedToTransmit = 22306;
inline constexpr int kFailedToReceive = 22307;
inline constexpr int kResultPollFailed = 22308;
inline constexpr int kSlmpDeviceNotSupported = 22309;

// channel list columns
inline constexpr int kColumnCh = 230;
inline constexpr int kColumnChName = 231;
inline constexpr int kColumnChComment = 232;

// direct network settings
inline constexpr int kConnectionViaNetwork = 25150;
inline constexpr int kPortAddressNote = 25151;
inline constexpr int kAccountLabel = 25155;
inline constexpr int kRestartNoteMarked = 25156;
inline constexpr int kIpAddressSetting = 25157;
inline constexpr int kIpAddress = 25158;
inline constexpr int kSubnetMask = 25159;
inline constexpr int kDefaultGateway = 25160;
inline constexpr int kPreferredDns = 25161;
inline constexpr int kAlternateDns = 25162;
inline constexpr int kRestartNote = 25163;
inline constexpr int kNoAccessBlocks = 25164;
// the network screen refuses an address a device would drop off the network with
inline constexpr int kAddressNeeded = 27550;
inline constexpr int kAddressMalformed = 27551;
inline constexpr int kNetworkUploaded = 27552;

// editor framework
inline constexpr int kCopy = 25201;
inline constexpr int kPaste = 25202;
inline constexpr int kIoSlaveSetting = 25203;
inline constexpr int kAnalogInput = 25204;
inline constexpr int kDiscreteInput = 25205;
inline constexpr int kPulseInput = 25206;
inline constexpr int kAnalogFunctionRegister = 25207;
inline constexpr int kDigitalFunctionRegister = 25208;
inline constexpr int kAnalogOutput = 25209;
inline constexpr int kDiscreteOutput = 25210;
inline constexpr int kGroupedDigitalOutput = 25211;
inline constexpr int kAoLabel = 25212;
inline constexpr int kDoLabel = 25213;
inline constexpr int kGdoLabel = 25214;
inline constexpr int kSelectAll = 25215;
inline constexpr int kClearAll = 25216;
inline constexpr int kSubName = 25217;  // "%s (%s)"
inline constexpr int kTwoDigits = 25218;  // "%02d"
inline constexpr int kAddressPart = 25219;
inline constexpr int kColumnNo = 1451;
inline constexpr int kColumnSubject = 1450;

// system editor
inline constexpr int kSystemName = 25301;
inline constexpr int kSystemName2 = 25302;
inline constexpr int kSystemName3 = 25303;
inline constexpr int kLanguage = 25304;
inline constexpr int kTimeZone = 25305;
inline constexpr int kHour = 25306;
inline constexpr int kMinute = 25307;
inline constexpr int kSamplingAdjustment = 25308;
inline constexpr int kDaylightSavingTime = 25309;
inline constexpr int kMode = 25310;
inline constexpr int kStart = 25311;
inline constexpr int kEnd = 25312;
inline constexpr int kMonth = 25313;
inline constexpr int kWeek = 25314;
inline constexpr int kDayOfWeek = 25315;

// outputs: AO, DO, GDO and the views of who uses an output
inline constexpr int kDoUsedTitle = 26100;
inline constexpr int kGdoUsedTitle = 26101;

// communication: the menu, the web server and its rights, the network services
inline constexpr int kSntp = 26300;
inline constexpr int kModbusTcpSlave = 26301;
inline constexpr int kSmtpPop3 = 26302;
inline constexpr int kFtpClient = 26303;
inline constexpr int kProtocol = 26304;
inline constexpr int kHttp = 26305;
inline constexpr int kHttps = 26306;
inline constexpr int kAuthorization = 26307;
inline constexpr int kColumnId = 26308;
inline constexpr int kScheduleUnit = 26309;
inline constexpr int kChannelControlTitle = 26310;
inline constexpr int kScheduleUnitControlTitle = 26311;
inline constexpr int kPageMa = 26312;
inline constexpr int kPageMd = 26313;
inline constexpr int kPageAo = 26314;
inline constexpr int kPageDo = 26315;
inline constexpr int kPageGdo = 26316;
inline constexpr int kColumnNameJa = 26317;
inline constexpr int kThreeDigits = 26318;
inline constexpr int kNumber = 26319;
inline constexpr int kDuplicatePort = 26320;
inline constexpr int kPortUnusable = 26321;
inline constexpr int kSntpServer = 26330;
inline constexpr int kServerError = 26331;
inline constexpr int kModeNote = 26335;
inline constexpr int kPortRangeNote = 26336;
inline constexpr int kLingerTime = 26337;
inline constexpr int kLingerTimeError = 26338;
inline constexpr int kCharacterCode = 26340;
inline constexpr int kUtf8 = 26341;
inline constexpr int kIso2022Jp = 26342;
inline constexpr int kSmtpOverSsl = 26343;
inline constexpr int kSmtpAuthentication = 26344;
inline constexpr int kAuthAuto = 26345;
inline constexpr int kAuthCramMd5 = 26346;
inline constexpr int kAuthLogin = 26347;
inline constexpr int kAuthPlain = 26348;
inline constexpr int kPopBeforeSmtp = 26349;
inline constexpr int kPop3Id = 26350;
inline constexpr int kPop3Password = 26351;
inline constexpr int kMyAddress = 26352;
inline constexpr int kSmtpServer = 26353;
inline constexpr int kPop3Server = 26354;
inline constexpr int kMyAccount = 26355;
inline constexpr int kSenderName = 26356;
inline constexpr int kSmtpPort = 26357;
inline constexpr int kPop3Port = 26358;
inline constexpr int kStartTls = 26359;
inline constexpr int kSmtpIdError = 26360;
inline constexpr int kSmtpPasswordError = 26361;
inline constexpr int kPop3IdError = 26362;
inline constexpr int kPop3PasswordError = 26363;
inline constexpr int kMyAddressError = 26364;
inline constexpr int kSmtpServerError = 26365;
inline constexpr int kPop3ServerError = 26366;
inline constexpr int kMyAccountError = 26367;
inline constexpr int kSenderNameError = 26368;
inline constexpr int kSmtpPortError = 26369;
inline constexpr int kPop3PortError = 26370;
inline constexpr int kFtp = 26380;
inline constexpr int kFtps = 26381;
inline constexpr int kServerAddress = 26383;
inline constexpr int kSubfolder = 26384;
inline constexpr int kPasvAddress = 26385;
inline constexpr int kIgnore = 26386;
inline constexpr int kFailureOutput = 26387;
inline constexpr int kType = 26388;
inline constexpr int kLoggingData = 26389;
inline constexpr int kSendOnSave = 26390;
inline constexpr int kSendCommand = 26391;
inline constexpr int kSystemLog = 26393;
inline constexpr int kSchedulerLog = 26394;
inline constexpr int kReportFormData = 26395;
inline constexpr int kSendOnUpdate = 26396;
inline constexpr int kFtpServerError = 26397;
inline constexpr int kFtpLoginError = 26398;
inline constexpr int kFtpPasswordError = 26399;
inline constexpr int kFtpSubfolderError = 26400;
inline constexpr int kFunction = 1002;
inline constexpr int kColumnDetail = 1003;
inline constexpr int kOutputNone = 2500;  // "None"
inline constexpr int kDisable = 131;     // "Disable", then "Enable"
// I/O slaves, analog inputs, alarm zones and their action lists
inline constexpr int kSlaveSetting = 25400;
inline constexpr int kNodeNo = 25401;
inline constexpr int kConnectionSharing = 25402;
inline constexpr int kPortAddress = 25403;
inline constexpr int kCommErrorOutput = 25404;
inline constexpr int kErrOutType = 25405;
inline constexpr int kErrOutCh = 25406;
inline constexpr int kNetworkNo = 25407;
inline constexpr int kStationNo = 25408;
inline constexpr int kProcessorNo = 25409;
inline constexpr int kMultidropNo = 25410;
inline constexpr int kFamilyMd = 25411;
inline constexpr int kFamilyDo = 25412;
inline constexpr int kFamilyGdo = 25413;
inline constexpr int kPausePeriod = 25414;
inline constexpr int kModbusTimeout = 25415;
inline constexpr int kSlmpTimeout = 25416;
inline constexpr int kTransactionId = 25417;
inline constexpr int kSlaveModbusTcp = 25418;
inline constexpr int kSlaveSlmp = 25419;
inline constexpr int kChSetting = 25430;
inline constexpr int kModuleAddress = 25431;
inline constexpr int kChNo = 25432;
inline constexpr int kSlaveNo = 25433;
inline constexpr int kRegisterType = 25434;
inline constexpr int kRegisterAddress = 25435;
inline constexpr int kSlmpDevice = 25436;
inline constexpr int kSlmpDeviceNoDec = 25437;
inline constexpr int kSlmpDeviceNoHex = 25438;
inline constexpr int kTimeInput = 25439;
inline constexpr int kDataType = 25440;
inline constexpr int kFilter = 25441;
inline constexpr int kMovingAverageSamples = 25442;
inline constexpr int kTimeConstant = 25443;
inline constexpr int kScaling0 = 25444;
inline constexpr int kScaling100 = 25445;
inline constexpr int kScalingInt = 25446;
inline constexpr int kDecimalPlaces = 25447;
inline constexpr int kEngineeringUnit = 25448;
inline constexpr int kAlarmZoneSetting = 25449;
inline constexpr int kPartitions = 25500;
inline constexpr int kZoneNumber = 25501;
inline constexpr int kZoneName = 25502;
inline constexpr int kZoneColour = 25503;
inline constexpr int kLowerLimit = 25504;
inline constexpr int kUpperLimit = 25505;
inline constexpr int kEventLog = 25506;
inline constexpr int kEventNo = 25507;
inline constexpr int kZoneMessage = 25508;
inline constexpr int kMailTemplateNo = 25509;
inline constexpr int kColumnOutput = 25510;
inline constexpr int kColumnReset = 25511;
inline constexpr int kZoneActions = 25512;
inline constexpr int kSlmpDeviceTexts = 25460;  // the SLMP word devices in list order
inline constexpr int kSlaveLabel = 204;  // "Slave %d"
// DI, PI, MA and MD screens
inline constexpr int kSlmpBitDeviceTexts = 25700;  // the SLMP bit devices in list order
inline constexpr int kSlmpPulseDeviceTexts = 25740;  // the pulse input's six long word devices
inline constexpr int kInvert = 25750;
inline constexpr int kAiChNo = 25751;
inline constexpr int kAiBit = 25752;
inline constexpr int kStatusOn = 25753;
inline constexpr int kStatusOff = 25754;
inline constexpr int kDisplayComment = 25755;
inline constexpr int kStatusColour = 25756;
inline constexpr int kOnDelay = 25757;
inline constexpr int kOffDelay = 25758;
inline constexpr int kChooseTemplate = 25759;
inline constexpr int kDiChNo = 25760;
inline constexpr int kPulseScaling = 25761;
inline constexpr int kModeIoModule = 25762;
inline constexpr int kPulseRangeConfig = 25763;
inline constexpr int kEnableBox = 25764;
inline constexpr int kPulseRange = 25765;
inline constexpr int kModeTcp = 25766;
inline constexpr int kModeDi = 25767;
inline constexpr int kCounterRate = 25768;
inline constexpr int kTimeUnit = 25769;
inline constexpr int kLowEndCutout = 25770;
inline constexpr int kFunctionSetting = 25771;
inline constexpr int kInitialValue = 25772;
inline constexpr int kMaBackup = 25773;
inline constexpr int kControlOnBrowser = 25774;
inline constexpr int kOperationalRange = 25775;
inline constexpr int kMdBackup = 25776;
inline constexpr int kInput1 = 25777;
inline constexpr int kInput2 = 25778;
inline constexpr int kConsecutive = 25779;
inline constexpr int kStartCh = 25780;
inline constexpr int kCount = 25781;
inline constexpr int kK1 = 25782;
inline constexpr int kNoCount = 25783;
inline constexpr int kWhoUsesMd = 25784;
inline constexpr int kEquationAdd = 25790;
inline constexpr int kEquationMul = 25791;
inline constexpr int kEquationDiv = 25792;
inline constexpr int kFormulaSqrt = 25793;
inline constexpr int kFormulaExp = 25794;
inline constexpr int kFormulaPower = 25795;
inline constexpr int kFormulaF = 25796;
inline constexpr int kEquationMax = 25797;
inline constexpr int kEquationMin = 25798;
inline constexpr int kEquationLog = 25799;
inline constexpr int kEquationLn = 25800;
inline constexpr int kExponent = 25801;
inline constexpr int kRefTemp = 25802;
inline constexpr int kZValue = 25803;
inline constexpr int kLowEndCutoutPercent = 25804;
inline constexpr int kZeroEu = 25805;
inline constexpr int kSpanEu = 25806;
inline constexpr int kInputZero = 25807;
inline constexpr int kInputSpan = 25808;
inline constexpr int kOutputZero = 25809;
inline constexpr int kOutputSpan = 25810;
inline constexpr int kX1 = 25811;
inline constexpr int kX2 = 25812;
inline constexpr int kX3 = 25813;
inline constexpr int kK2 = 25814;
inline constexpr int kK3 = 25815;
inline constexpr int kA0 = 25816;
inline constexpr int kA1 = 25817;
inline constexpr int kA2 = 25818;
inline constexpr int kEquation = 25819;
inline constexpr int kSchedulerLogCommand = 25820;

// maintenance commands, packages and schedule maintenance
inline constexpr int kSunday = 150;  // weekday names, 150 Sunday to 156 Saturday
inline constexpr int kIllegalDateTime = 27200;
inline constexpr int kMacFailure = 27201;
inline constexpr int kMacFormat = 27202;
inline constexpr int kVersionFailure = 27203;
inline constexpr int kConfirmResetSystemLog = 27204;
inline constexpr int kPresetValueError = 27205;
inline constexpr int kPresetOverflow = 27206;
inline constexpr int kNoPresetting = 27207;
inline constexpr int kPresetChannelRow = 27208;
inline constexpr int kConfirmInitMemory = 27209;
inline constexpr int kConfirmInitOpemon = 27210;
inline constexpr int kUnsupportedVersion = 27211;
inline constexpr int kNoDisk = 27212;
inline constexpr int kDiskGb = 27213;
inline constexpr int kDiskMb = 27214;
inline constexpr int kDiskKb = 27215;
inline constexpr int kDiskBytes = 27216;
inline constexpr int kConfirmProceed = 27218;
inline constexpr int kInsertSdCard = 27219;
inline constexpr int kEventDisabled = 27220;
inline constexpr int kNoEventAddress = 27221;
inline constexpr int kRegularReportDisabled = 27222;
inline constexpr int kNoReportAddress = 27223;
inline constexpr int kTemplateIsReportCode = 27224;
inline constexpr int kConfirmTransferImages = 27225;
inline constexpr int kSelectImageFile = 27226;
inline constexpr int kCannotOpenImage = 27227;
inline constexpr int kFailedToOpenImage = 27228;
inline constexpr int kFailedToCreateData = 27229;
inline constexpr int kImageDataOverCapacity = 27230;
inline constexpr int kFailedToCompressImages = 27231;
inline constexpr int kConfirmFactoryReset = 27232;
inline constexpr int kImageDirectoryFailed = 27233;
inline constexpr int kConfirmClearTrend = 27234;
inline constexpr int kLoggingDisabled = 27235;
inline constexpr int kConfirmStopLogging = 27236;
inline constexpr int kConfirmStartLogging = 27237;
inline constexpr int kConfirmClearEventLog = 27238;
inline constexpr int kConfirmRestart = 27239;
inline constexpr int kSpecifyFolder = 27240;
inline constexpr int kConfirmConvertView = 27241;
inline constexpr int kViewFileOpenFailed = 27242;
inline constexpr int kCannotFindFolder = 27243;
inline constexpr int kSubfolderFound = 27244;
inline constexpr int kTooManyFiles = 27245;
inline constexpr int kFileNameTooLong = 27246;
inline constexpr int kViewOverCapacity = 27247;
inline constexpr int kNoFileInFolder = 27248;
inline constexpr int kViewFileReadFailed = 27249;
inline constexpr int kViewCompressFailed = 27250;
inline constexpr int kViewUploadFailed = 27251;
inline constexpr int kCompleted = 27252;
inline constexpr int kConfirmResetView = 27253;
inline constexpr int kViewDirectoryFailed = 27254;
inline constexpr int kFileNameNotUsable = 27255;
inline constexpr int kUnitLabel = 27256;
inline constexpr int kOneTimeDate = 27257;
inline constexpr int kPermanentDate = 27258;
inline constexpr int kPatternNone = 27259;
inline constexpr int kPatternNumber = 27260;
inline constexpr int kPatternChoice = 27261;
inline constexpr int kOutputTime = 27262;
inline constexpr int kUnknownWeekday = 27263;
inline constexpr int kAssignedToPermanent = 27264;
inline constexpr int kInvalidDate = 27265;
inline constexpr int kDuplicateDate = 27266;
inline constexpr int kConfirmSetPattern = 27267;
inline constexpr int kConfirmSetOutputType = 27268;
inline constexpr int kOutputTypeSch = 27269;
inline constexpr int kOutputTypeOn = 27270;
inline constexpr int kOutputTypeOff = 27271;
inline constexpr int kTrendAllPages = 27272;

// hardening: texts of our own
inline constexpr int kSuffixControlCharacter = 27520;
inline constexpr int kUnwritableText = 27521;
inline constexpr int kResultPollOutOfTime = 27522;

}  // namespace tk48::text
