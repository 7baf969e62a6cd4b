#pragma once
// Names of string-table entries (resources/string_table.h) that code refers to.
// Load them with LoadText or FormatText (resources/strings.h). Every text id
// the program uses is named here and nowhere else, and code writes it
// qualified (text::kAnalog): a local name of the same spelling can then never
// stand in for it. A test holds every name against the table.

namespace tk48::text {

// A run of consecutive entries, such as the texts of a list in order.
struct TextRange {
  int first;
  int count;
  constexpr int operator[](int k) const { return first + k; }
};

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
inline constexpr int kCsvSlmpDeviceNames = 27462;  // the SLMP devices' CSV names, one a line

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

// the channel families by their names (MD, PI, MA, AO, DO, GDO stand in that
// order from 27000); the number lists of a few screens
inline constexpr int kAi = 501;
inline constexpr int kDi = 250;
inline constexpr int kMd = 27000;
inline constexpr int kPi = 27001;
inline constexpr int kMa = 27002;
inline constexpr int kAo = 27003;
inline constexpr int kDo = 27004;
inline constexpr int kGdo = 27005;

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
inline constexpr int kManualSetting = 1250;  // then "Automatic setting (DHCP)"
inline constexpr int kDhcpSetting = 1251;
inline constexpr int kPortAddressError = 1280;
inline constexpr int kLoginIdError = 1281;
inline constexpr int kPasswordError = 1282;
inline constexpr int kAccountNumber = 1290;   // "(ID%d)"
inline constexpr int kDuplicateLogin = 1291;  // "Login ID: %s duplicated"
inline constexpr int kWeakAccounts = 234;
// the network screen refuses an address a device would drop off the network with
inline constexpr int kAddressNeeded = 27550;
inline constexpr int kAddressMalformed = 27551;
inline constexpr int kNetworkUploaded = 27552;

// backups of the configurations downloaded and uploaded
inline constexpr int kBackups = 27600;
inline constexpr int kBackupColumnTime = 27601;
inline constexpr int kBackupColumnTransport = 27602;
inline constexpr int kBackupColumnDevice = 27603;
inline constexpr int kBackupColumnSize = 27604;
inline constexpr int kBackupColumnTransfer = 27605;
inline constexpr int kBackupDownload = 27606;
inline constexpr int kBackupUpload = 27607;
inline constexpr int kBackupOpen = 27608;
inline constexpr int kBackupCompare = 27609;
inline constexpr int kBackupClose = 27610;
inline constexpr int kBackupFolder = 27611;
inline constexpr int kBackupNotWritten = 27612;
inline constexpr int kBackupLabel = 27613;          // "%s (%s)": time, device
inline constexpr int kBackupAgainstCurrent = 27614;
inline constexpr int kBackupAgainstBackup = 27615;

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
inline constexpr TextRange kSystemNameErrors{160, 3};  // "Setting error: Name", "Name 2", "Name 3"
inline constexpr int kZoneHourError = 163;
inline constexpr int kZoneMinuteError = 164;
inline constexpr int kDstSameMonth = 165;
inline constexpr int kJapanese = 120;  // then "English"
inline constexpr int kEnglish = 121;
inline constexpr int kLastWeek = 133;  // "Last"

// record: logging, event and report
inline constexpr int kLowerLimitError = 757;
inline constexpr int kUpperLimitError = 758;
inline constexpr int kRecordLogging = 27113;
inline constexpr int kRecordEvent = 27123;
inline constexpr int kRecordReport = 27071;
inline constexpr int kHeader = 27115;
inline constexpr TextRange kHeaderLines{26504, 3};  // "Line 1" .. "Line 3"
inline constexpr int kPen = 26507;
inline constexpr int kPenInformation = 27106;
inline constexpr int kAutoStart = 27116;
inline constexpr int kSdAutoDelete = 27117;
inline constexpr int kSdCharacterSet = 27118;
inline constexpr int kSjis = 27424;
inline constexpr int kStoringRateUnit = 27119;
inline constexpr int kSecond = 414;
inline constexpr int kSecShort = 26516;
inline constexpr int kMinShort = 27078;
inline constexpr int kChooseHourAndOffset = 27120;
inline constexpr int kDateline = 27122;
inline constexpr int kDayStartTimeError = 26520;
inline constexpr TextRange kWeekdaysShort{26521, 7};  // "Sun" .. "Sat"
inline constexpr int kLineTitle = 27114;
inline constexpr int kHeaderLineError = 26529;
inline constexpr int kOffsetMin = 27072;
inline constexpr int kOffsetSec = 27073;
inline constexpr int kChooseOffsetTitle = 27121;
inline constexpr int kTimeDelayMinError = 26533;
inline constexpr int kTimeDelaySecError = 26534;
inline constexpr int kPenLabel = 26535;
inline constexpr int kColumnSampling = 26536;
inline constexpr TextRange kSamplingMethods{27440, 4};  // "Momentary value" .. a pen's SAMPLING
inline constexpr int kSamplingMethod = 27108;
inline constexpr int kDataRange = 27110;
inline constexpr int kErrorMode = 27112;
inline constexpr int kPreviousValue = 27455;
inline constexpr int kFixedValue = 27104;
inline constexpr int kFixedCharacters = 27105;
inline constexpr int kLimitOrderError = 26550;
inline constexpr int kFixedValueError = 26551;
inline constexpr int kFixedCharactersError = 26552;
inline constexpr int kReportForm = 26557;
inline constexpr int kPageTitle = 27124;
inline constexpr int kDailyReport = 27057;
inline constexpr int kMonthlyReport = 27058;
inline constexpr int kYearlyReport = 27059;
inline constexpr int kTimingToSend = 27125;
inline constexpr int kUponUpdating = 27460;
inline constexpr int kUponSaving = 27461;
inline constexpr int kDailyStartTime = 27126;
inline constexpr int kMonthlyStartDate = 27127;
inline constexpr int kYearlyStartMonth = 27128;
inline constexpr int kDailyTitleError = 26570;
inline constexpr int kMonthlyTitleError = 26571;
inline constexpr int kYearlyTitleError = 26572;
inline constexpr int kBasicData = 27109;
inline constexpr int kSum = 27456;
inline constexpr int kAverage = 27457;
inline constexpr int kMaximum = 27458;
inline constexpr int kMinimum = 27459;

// scheduler
inline constexpr int kPatternSetting = 27129;
inline constexpr int kUnitSetting = 27133;
inline constexpr int kMaintenanceSwSetting = 27136;
inline constexpr int kPatternName = 27130;
inline constexpr int kStartAt = 27131;
inline constexpr int kEndAt = 27132;
inline constexpr int kPatternNameError = 26606;
inline constexpr int kGdoMapped = 26608;
inline constexpr int kStartEndError = 26609;
inline constexpr int kUnitName = 27134;
inline constexpr int kUnitTitle = 26611;
inline constexpr int kPatternOutputTitle = 180;  // "No.%d"
inline constexpr int kUnitNameLabel = 26612;
inline constexpr int kBasicAssignment = 27135;
inline constexpr int kUnitNameError = 26614;
inline constexpr int kChannel = 27137;
// outputs: AO, DO, GDO and the views of who uses an output
inline constexpr int kDoUsedTitle = 26100;
inline constexpr int kGdoUsedTitle = 26101;
inline constexpr int kAoDuplicatePair = 26102;
inline constexpr int kAoDuplicate = 26103;
inline constexpr int kDoDuplicatePair = 26104;
inline constexpr int kDoDuplicate = 26105;
inline constexpr int kDoInScheduler = 26106;
inline constexpr int kDoInGdo = 26107;
inline constexpr int kMappedMember = 26108;
inline constexpr int kGdoInScheduler = 26109;
inline constexpr int kDoMapped = 26110;
inline constexpr int kAoMappingTitle = 26111;
inline constexpr int kAoTitle = 27416;  // "AO%02d"
inline constexpr int kIoMapping = 27417;
inline constexpr int kDoInvert = 27187;        // "Invert"
inline constexpr int kOutputStatusOn = 27158;  // "Status (ON)", then "Status (OFF)"
inline constexpr int kOutputStatusOff = 27159;
inline constexpr int kOnDisplayCommentError = 510;
inline constexpr int kOffDisplayCommentError = 514;
inline constexpr int kOnDelayError = 511;
inline constexpr int kOffDelayError = 512;
inline constexpr int kOnMessageError = 513;
inline constexpr int kOffMessageError = 515;

// alarm zones, discrete states and their action lists
inline constexpr int kZoneBasic = 310;  // the zone editor pages: then "Upward", "Downward"
inline constexpr int kZoneUpward = 311;
inline constexpr int kZoneDownward = 312;
inline constexpr TextRange kZoneNameErrors{320, 5};  // zone 1 .. 5
inline constexpr int kZone1UpperError = 330;
inline constexpr int kZone2LowerError = 331;
inline constexpr int kZone2UpperError = 332;
inline constexpr int kZone3LowerError = 333;
inline constexpr int kZone3UpperError = 334;
inline constexpr int kZone4UpperError = 336;
inline constexpr int kZone4LowerError = 325;
inline constexpr int kZone5LowerError = 337;
inline constexpr TextRange kZoneMessageErrors{350, 5};  // zone 1 .. 5
inline constexpr int kZone1AboveZone2Error = 340;
inline constexpr int kZone2AboveZone3Error = 341;
inline constexpr int kZone2EmptyError = 342;
inline constexpr int kZone3AboveZone4Error = 343;
inline constexpr int kZone3EmptyError = 344;
inline constexpr int kZone4AboveZone5Error = 345;
inline constexpr int kZone4EmptyError = 346;
inline constexpr int kResetMaAction = 362;  // "Reset function value (MA)"
inline constexpr int kActionEnable = 363;
inline constexpr int kActionDisable = 364;
inline constexpr int kActionOff = 365;
inline constexpr int kActionOn = 366;
inline constexpr int kResetPiAction = 367;  // "Reset totalized value (PI)"
inline constexpr int kMdAlarmOutput = 368;
inline constexpr int kDoAlarmOutput = 369;
inline constexpr int kGdoAlarmOutput = 327;

// the views of who uses a channel
inline constexpr int kWhoSlave = 200;        // "Slave"
inline constexpr int kWhoIoFunction = 1005;  // "I/O (%s)"
inline constexpr int kWhoEmail = 1006;
inline constexpr int kWhoTemplate = 1007;  // "Template "
inline constexpr int kDeliveryFailureOutput = 1008;
inline constexpr int kWhoCommunication = 1009;
inline constexpr int kWhoFtpFailed = 1010;
inline constexpr int kWhoSlaveNo = 1011;  // "Slave %d"
inline constexpr int kWhoErrorOutput = 1012;
inline constexpr int kWhoZone = 1004;         // "Zone %d"
inline constexpr int kWhoMemberNo = 335;      // "No.%d"
inline constexpr int kWhoPatternOutNo = 180;  // "No.%d"
inline constexpr int kWhoPattern = 181;       // "Schduler (PAT No.%d)"
inline constexpr int kWhoScheduler = 329;
inline constexpr int kWhoMaintenanceSw = 328;
inline constexpr int kWhoLoggingCommand =
    820;  // the FTP client's transmission commands: logging, event, system, communication
inline constexpr int kWhoEventCommand = 821;
inline constexpr int kWhoSystemCommand = 822;
inline constexpr int kWhoComLogCommand = 823;
inline constexpr int kAnalog = 27414;
inline constexpr int kDiscrete = 27415;
inline constexpr int kFixed0 = 27006;  // "0 (fixed value)", then "1 (fixed value)"
inline constexpr int kFixed1 = 27007;
inline constexpr int kGroupedChannels = 26112;

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
inline constexpr int kDisable = 131;
inline constexpr int kEnable = 132;
// the setting-error messages the channel screens share
inline constexpr int kSlaveAddressMissing = 290;
inline constexpr int kModuleAddressError = 291;
inline constexpr int kChNoError = 292;
inline constexpr int kSlaveAddressError = 293;
inline constexpr int kRegisterAddressError = 294;
inline constexpr int kChNameError = 295;
inline constexpr int kChCommentError = 296;
inline constexpr int kTimeConstantError = 297;
inline constexpr int kEngineeringUnitError = 298;
inline constexpr int kSlmpDeviceNoDecError = 303;
inline constexpr int kSlmpDeviceNoHexError = 304;
inline constexpr int kSlaveIsSlmp = 305;
inline constexpr int kSlaveIsModbusTcp = 306;
inline constexpr int kScalingError = 651;
inline constexpr int kInitialValueError = 781;
inline constexpr int kBrowserLimitOrderError = 937;
inline constexpr int kBrowserLowerLimitError = 938;
inline constexpr int kBrowserUpperLimitError = 939;

// the lists of the input and output channels
inline constexpr int kChDisable = 240;  // "CH setting": then "I/O module", "Modbus/TCP", "SLMP", ...
inline constexpr int kIoModule = 241;
inline constexpr int kModbusTcp = 242;
inline constexpr int kSlmp = 243;
inline constexpr int kControlInput = 244;
inline constexpr int kTimeKind = 245;
inline constexpr int kDemoSineWave = 246;
inline constexpr int kDemoSquareWave = 247;
inline constexpr int kDemo = 248;
inline constexpr int kAnalogAccumulation = 249;
inline constexpr int kBinaryAccumulation = 288;
inline constexpr int kInputRegister = 260;
inline constexpr int kHoldingRegister = 261;
inline constexpr int kInputBit = 262;  // "Input (1X)"
inline constexpr int kCoil = 263;
inline constexpr int kIoDisable = 264;  // then "Enable": control on browser, memory at power loss
inline constexpr int kIoEnable = 265;
inline constexpr int kBrowserDisable = 380;  // then "Enable": control on browser of MA and MD
inline constexpr int kBrowserEnable = 381;
inline constexpr int kMovingAverage = 281;
inline constexpr int kDelayBuffer = 282;
inline constexpr int kTimeMonth = 410;  // the time inputs: then day, hour, minute, second, day of week
inline constexpr int kTimeDay = 411;
inline constexpr int kTimeHour = 412;
inline constexpr int kTimeMinute = 413;
inline constexpr int kTimeSecond = 414;
inline constexpr int kTimeDayOfWeek = 415;
inline constexpr int kDataPercent = 420;  // then "Int (integer)", "Uint (unsigned integer)"
inline constexpr int kDataInt = 421;
inline constexpr int kDataUint = 422;

// analog inputs (AI)
inline constexpr int kAiLabel = 400;  // "AI%03d"
inline constexpr int kAiZoneTitle = 460;
inline constexpr int kScaling0Error = 450;
inline constexpr int kScaling100Error = 451;
inline constexpr int kScalingIntError = 452;

// I/O slaves
inline constexpr int kSlaveColumn = 200;  // "Slave"
inline constexpr int kPortNoColumn = 202;
inline constexpr int kIpAddressColumn = 205;
inline constexpr int kSlaveTypeColumn = 206;
inline constexpr int kCannotPaste = 147;
inline constexpr int kSharingError = 145;
inline constexpr int kNodeIdError = 210;
inline constexpr int kSlavePortError = 211;
inline constexpr int kDeletedSlave = 212;
inline constexpr int kSlaveHasModbusChannels = 222;  // with the slave's number
inline constexpr int kSlaveHasSlmpChannels = 223;
inline constexpr int kNetworkNoError = 218;
inline constexpr int kStationNoError = 219;
inline constexpr int kProcessorNoError = 220;
inline constexpr int kMultidropNoError = 221;
inline constexpr int kSharingDisable = 382;  // "Disable", then "Slave %d" for each slave below
inline constexpr int kPausePeriodError = 215;
inline constexpr int kModbusTimeoutError = 216;
inline constexpr int kSlmpTimeoutError = 217;
inline constexpr int kTransactionDisable = 1270;  // then "Enable"
inline constexpr int kTransactionEnable = 1271;

// discrete inputs (DI)
inline constexpr int kDiLabel = 500;  // "DI%03d"

// pulse inputs (PI)
inline constexpr int kPiLabel = 600;  // "PI%03d"
inline constexpr int kPiZoneTitle = 680;
inline constexpr int kOn = 604;  // the DI measuring modes: "ON", "OFF", "UP", "DOWN"
inline constexpr int kOff = 605;
inline constexpr int kUp = 606;
inline constexpr int kDown = 607;
inline constexpr int kAccumulation = 610;  // the measuring modes: then "Engineering unit value", "Float"
inline constexpr int kEngineeringUnitValue = 611;
inline constexpr int kFloat = 612;
inline constexpr int kPulseRangeOrderError = 650;
inline constexpr int kPulseLowerLimitError = 652;
inline constexpr int kPulseUpperLimitError = 653;
inline constexpr int kAccumulationRateError = 654;
inline constexpr int kLowEndCutoutError = 655;

// analog function registers (MA)
inline constexpr int kMaLabel = 700;  // "MA%03d"
inline constexpr int kMaZoneTitle = 780;
inline constexpr TextRange kMaFunctions{710, 17};  // "Disable", "Addition/Subtraction" .. "Upper/lower signal limiter"
inline constexpr int kMaFunctionTitle = 727;       // "Function setting (%s)"
inline constexpr int kK1Error = 731;
inline constexpr int kK2Error = 732;
inline constexpr int kK3Error = 733;
inline constexpr int kA0Error = 738;
inline constexpr int kA1Error = 739;
inline constexpr int kA2Error = 740;
inline constexpr int kLowEndCutoutPercentError = 746;
inline constexpr int kCounterRateError = 747;
inline constexpr int kZeroEuError = 748;
inline constexpr int kSpanEuError = 749;
inline constexpr int kZeroEqualsSpanError = 750;
inline constexpr int kInputZeroError = 751;
inline constexpr int kInputSpanError = 752;
inline constexpr int kInputZeroEqualsSpanError = 753;
inline constexpr int kOutputZeroError = 754;
inline constexpr int kOutputSpanError = 755;
inline constexpr int kOutputZeroEqualsSpanError = 756;
inline constexpr int kLimiterOrderError = 759;

// digital function registers (MD)
inline constexpr int kMdLabel = 800;              // "MD%03d"
inline constexpr TextRange kMdFunctions{810, 7};  // "None", "Equal" .. "RUN"
inline constexpr int kRunLengthError = 817;
inline constexpr int kNoCountError = 819;

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
inline constexpr int kScaling = 25761;
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
inline constexpr TextRange kWeekdays{150, 7};  // "Sunday" .. "Saturday"
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
inline constexpr int kUnitNotInUse = 27300;
inline constexpr int kOutputNotScheduled = 27301;
inline constexpr int kMenDateTime = 27302;
inline constexpr int kMenMac = 27303;
inline constexpr int kMenVersion = 27304;
inline constexpr int kMenSysLog = 27305;
inline constexpr int kMenPreset = 27306;
inline constexpr int kMenInit = 27307;
inline constexpr int kMenDisk = 27308;
inline constexpr int kMenFtpTest = 27309;
inline constexpr int kMenTestMail = 27310;
inline constexpr int kMenImages = 27311;
inline constexpr int kMenTrend = 27312;
inline constexpr int kMenLogging = 27313;
inline constexpr int kMenEventClear = 27314;
inline constexpr int kMenView = 27315;
inline constexpr int kMenRestart = 27316;
inline constexpr int kMenOneTime = 27317;
inline constexpr int kMenPermanent = 27318;
inline constexpr int kMenOutputTypes = 27319;
inline constexpr int kMenApply = 27320;
inline constexpr int kMenYear = 27321;
inline constexpr int kMenMonth = 27322;
inline constexpr int kMenDay = 27323;
inline constexpr int kMenHour = 27324;
inline constexpr int kMenMinute = 27325;
inline constexpr int kMenSecond = 27326;
inline constexpr int kMenResetLog = 27327;
inline constexpr int kMenInitMemory = 27328;
inline constexpr int kMenInitOpemon = 27329;
inline constexpr int kMenFreeCapacity = 27330;
inline constexpr int kMenSendTestMail = 27331;
inline constexpr int kMenRegularReport = 27332;
inline constexpr int kMenMailTemplate = 27333;
inline constexpr int kMenImage1 = 27334;
inline constexpr int kMenImage2 = 27335;
inline constexpr int kMenImage3 = 27336;
inline constexpr int kMenReset = 27337;
inline constexpr int kMenConvertUpload = 27338;
inline constexpr int kMenFolder = 27339;
inline constexpr int kMenBrowse = 27340;
inline constexpr int kMenClear = 27341;
inline constexpr int kMenTrendPage = 27342;
inline constexpr int kMenChannel = 27343;
inline constexpr int kMenFamily = 27344;
inline constexpr int kMenPresetValue = 27345;
inline constexpr int kMenTrendPageRow = 27346;
inline constexpr int kMenImageFilter = 27347;
inline constexpr int kMenTemplateRow = 27348;
inline constexpr int kSchColumnSu = 27350;
inline constexpr int kSchColumnUnitName = 27351;
inline constexpr int kSchUnitList = 27352;
inline constexpr int kSchColumnDate = 27353;
inline constexpr int kSchColumnPattern = 27354;
inline constexpr int kSchColumnPatternName = 27355;
inline constexpr int kSchColumnStart = 27356;
inline constexpr int kSchColumnEnd = 27357;
inline constexpr int kSchChangeSetting = 27358;
inline constexpr int kSchChoosePattern = 27359;
inline constexpr int kSchPermanentSetting = 27360;
inline constexpr int kSchColumnType = 27361;
inline constexpr int kSchChangeOutputType = 27362;
inline constexpr int kSchChooseOutputType = 27363;
inline constexpr int kSchTabMd = 27364;
inline constexpr int kSchTabDo = 27365;
inline constexpr int kSchOutputs = 27366;

// e-mail: address list, templates, regular report, calendar
inline constexpr int kAddressList = 27052;
inline constexpr int kNo02d = 27053;  // "No.%02d"
inline constexpr int kAddress = 27054;
inline constexpr int kTo = 27055;
inline constexpr int kNonBusinessDay = 27056;
inline constexpr int kMailTemplate = 27060;
inline constexpr int kBodyText = 27061;
inline constexpr int kEnabledTimePeriod = 27062;
inline constexpr int kBusinessHourNo = 27063;
inline constexpr int kAttachedChData = 27064;
inline constexpr int kCh02d = 27065;  // "CH%02d"
inline constexpr int kAttachedFile = 27066;
inline constexpr int kDeliverySuccessOutput = 27067;
inline constexpr int kTimeToSend = 27069;
inline constexpr int kSendTimeTitle = 27070;  // "Set time to send: %d (hour)"
inline constexpr int kRegularReport = 27074;
inline constexpr int kEmailingCalendar = 27075;
inline constexpr int kBusinessHour = 27076;
inline constexpr int kHoliday = 27091;
inline constexpr TextRange kMonths{27079, 12};  // "January" .. "December"
inline constexpr int kAnyTime = 27434;          // the enabled time periods, with kNonBusinessDay third
inline constexpr int kBusinessDay = 27435;
inline constexpr int kWithinBusinessHours = 27436;
inline constexpr int kOutOfBusinessHours = 27437;
inline constexpr int kNonBusinessHours = 27438;
inline constexpr int kPause = 27439;
inline constexpr int kRecipientNameError = 26700;
inline constexpr int kQuoteCannotBeUsed = 26701;   // "Setting error: \"\" cannot be used"
inline constexpr int kMailAddressError = 26702;
inline constexpr int kMailTo = 26703;
inline constexpr int kChooseChannels = 26704;
inline constexpr int kSubjectError = 26705;
inline constexpr int kBodyError = 26706;
inline constexpr int kAttachChData = 26707;
inline constexpr int kSetTimeToSend = 26708;
inline constexpr int kMailSend = 26709;            // "Send"
inline constexpr int kNationalDay = 26710;         // "祝"
inline constexpr int kBusinessHourError = 26711;   // with the period's number
inline constexpr int kBusinessDaySetting = 26712;
inline constexpr int kCalendarSet = 26713;         // "Set"
inline constexpr int kCalendarYear = 26714;
inline constexpr int kCalendarYearSuffix = 26715;  // " %d " after the month's name
inline constexpr TextRange kBusinessHourColumns{26716, 4};  // start hour, start minute, end hour, end minute

// process operation monitor
inline constexpr int kOpemonStatusOff = 26900;
inline constexpr int kOpemonNameError = 26901;
inline constexpr int kOpemonStatus = 26902;
inline constexpr int kOpemonColor = 27099;
inline constexpr int kOpemonProcessTitle = 27138;
inline constexpr int kOpemonProcessName = 27139;
inline constexpr int kOpemonChannel = 27140;
inline constexpr int kOpemonMainDisplay = 27141;
inline constexpr int kOpemonSubDisplay = 27142;
inline constexpr int kOpemonDisplayComment = 27160;

// hardening: texts of our own
inline constexpr int kSuffixControlCharacter = 27520;
inline constexpr int kUnwritableText = 27521;
inline constexpr int kResultPollOutOfTime = 27522;

// a serial port refused for lack of permission: the device path and its group
inline constexpr int kPortPermission = 27700;
// where a configuration file went wrong: the details under the reader's message
inline constexpr int kFaultAtPlace = 27670;        // line, column, reason
inline constexpr int kFaultAtField = 27671;        // line, column, path, value, reason
inline constexpr int kFaultOfRule = 27672;         // path, reason
inline constexpr int kRootNotConfiguration = 27673;
inline constexpr int kNestedTooDeep = 27674;
inline constexpr int kNameTooLong = 27675;
inline constexpr int kTooManyPieces = 27676;
inline constexpr int kExpectsIntegerRange = 27677;
inline constexpr int kExpectsOneOf = 27678;
inline constexpr int kExpectsAscii = 27679;
inline constexpr int kExpectsShortReal = 27680;
inline constexpr int kExpectsNumberRange = 27681;
inline constexpr int kElementNumberRange = 27682;
inline constexpr int kValueRefused = 27683;
inline constexpr int kAreasOverlap = 27684;
inline constexpr int kSumWidthOrder = 27685;
inline constexpr int kScaleZero = 27686;
inline constexpr int kSamePoint = 27687;
inline constexpr int kServerPortsClash = 27688;
inline constexpr int kChannelSpan = 27689;         // "AI1 to AI128"
inline constexpr int kListSeparator = 27690;
inline constexpr int kCutValue = 27691;           // a long value shown cut


// Graph/Display screens.
inline constexpr int kDispData = 27102;           // "Data"
inline constexpr int kDispTrend = 27092;          // "Trend"
inline constexpr int kDataViewTitle = 26800;      // "Data view setting"
inline constexpr int kTrendPageListTitle = 26801; // "Trend page setting"
inline constexpr int kPageNameError = 26802;      // "Setting error: Page name"
inline constexpr TextRange kPenLimitErrors{26803, 8};  // pen 1 upper, pen 1 lower, .. pen 4 lower
inline constexpr int kColumnPage = 26811;         // "Page"
inline constexpr int kPageN = 27093;              // "Page%d"
inline constexpr int kPageName = 27094;
inline constexpr int kTrendSpeed = 27095;
inline constexpr int kPenSettingN = 27900;  // "Pen setting %d": a trend pen's group
inline constexpr int kIoType = 27097;
inline constexpr int kThickLine = 27098;
inline constexpr int kPenColor = 27099;
inline constexpr int kPenLowerLimit = 27100;
inline constexpr int kPenUpperLimit = 27101;
inline constexpr TextRange kTrendSpeeds{27444, 11};  // "1 second" .. "1 day", in keyword order
inline constexpr int kNoneKind = 280;                // "None"

// the field reference and the user guide
inline constexpr int kReferenceTitle = 27750;
inline constexpr int kReferenceIntro = 27751;
inline constexpr int kReferenceCount = 27752;     // "%zu fields in %zu patterns."
inline constexpr int kReferenceColumnPath = 27753;  // then Kind, Range or keywords, Format, Default
inline constexpr int kReferenceEmpty = 27758;
inline constexpr int kReferenceVaries = 27759;    // count, first, last
inline constexpr int kRangeUtf8Bytes = 27760;
inline constexpr int kRangeAsciiChars = 27761;
inline constexpr int kRangeByPenType = 27762;
inline constexpr int kRangeReal = 27763;
inline constexpr int kRangeViaReal = 27764;
inline constexpr int kGuideTitle = 27770;
inline constexpr int kGuideIntro = 27771;
inline constexpr int kGuideFields = 27772;
inline constexpr int kGuideColumns = 27773;
inline constexpr int kGuideMainWindow = 27774;
inline constexpr int kGuideOther = 27775;
// the search of the configuration and "Where is it used"
inline constexpr int kFindPlaceholder = 27840;
inline constexpr TextRange kFindColumns{27841, 4};  // "Path", "Section", "Value", "In use"
inline constexpr int kInUseYes = 27845;
inline constexpr int kInUseNo = 27846;
inline constexpr int kFoundCount = 27847;         // "%d found"
inline constexpr int kNothingFound = 27848;
inline constexpr int kWhereUsed = 27849;          // the list screens' context menu entry
inline constexpr int kWhereUsedTitle = 27850;     // "Where is %s used"
inline constexpr int kNoScreenForPath = 27851;
inline constexpr int kFind = 27852;
// the change review (before an upload, and the comparison of two configurations)
inline constexpr int kReviewChangesTitle = 27640;
inline constexpr int kCompareTitle = 27641;
inline constexpr int kReviewUpload = 27642;
inline constexpr int kReviewClose = 27643;
inline constexpr int kReviewFilter = 27644;
inline constexpr int kReviewGroup = 27645;          // "%s (%d)": section, changed fields
inline constexpr int kReviewGroupFiltered = 27646;  // "%s (%d of %d)": section, shown, changed
inline constexpr int kReviewSummary = 27647;
inline constexpr int kReviewSummaryFiltered = 27648;
inline constexpr int kReviewNoUploadChange = 27649;
inline constexpr int kReviewSameConfigurations = 27650;
inline constexpr int kReviewAgainstDevice = 27651;
inline constexpr int kReviewAgainstFile = 27652;    // %s: the file's path
inline constexpr int kReviewAgainstDefaults = 27653;

// backups kept private (the folder's path)
inline constexpr int kBackupFolderOpen = 27950;
// secrets shown without their values: a changed one, one that holds a value
inline constexpr int kSecretChanged = 27955;
inline constexpr int kSecretSet = 27956;
// bounded reads: the path; the path and the largest size taken
inline constexpr int kNotARegularFile = 27960;
inline constexpr int kFileTooLarge = 27961;
// scripted edits (set, apply): why a value is refused, and what changed
inline constexpr int kEditNoSuchField = 28000;
inline constexpr int kEditTwice = 28001;
inline constexpr int kEditNotExpected = 28002;        // the value held, the value the change expects
inline constexpr int kEditSecretNotExpected = 28003;
inline constexpr int kEditHiddenSecret = 28004;
inline constexpr int kEditBadLine = 28005;
inline constexpr int kEditRefusal = 28006;            // path, value, reason
inline constexpr int kEditRefusalAtLine = 28007;      // line, refusal
inline constexpr int kEditSecretValue = 28008;        // a password's value in a refusal
inline constexpr int kEditNotFileForm = 28009;
inline constexpr int kEditRealRange = 28010;          // min, max, decimals
inline constexpr int kEditRealRangeNonZero = 28011;   // min, max, decimals
inline constexpr int kEditPortTaken = 28012;          // the other server's port field
inline constexpr int kEditTextLength = 28013;         // characters, ASCII characters
inline constexpr int kEditAsciiLength = 28014;
inline constexpr int kEditLength = 28015;
inline constexpr int kEditNameLength = 28016;
inline constexpr int kEditAddress = 28017;
inline constexpr int kEditControlCharacter = 28018;
inline constexpr int kEditTextBytes = 28019;
inline constexpr int kEditNotUtf8 = 28020;
inline constexpr int kEditNoChange = 28021;
inline constexpr int kEditOneChanged = 28022;         // the change
inline constexpr int kEditFieldsChanged = 28023;      // count, the changes
inline constexpr int kEditChangeItem = 28024;         // path, before, after
inline constexpr int kEditMoreChanges = 28025;        // the changes listed, how many more

}  // namespace tk48::text
