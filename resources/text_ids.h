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

// record: logging, event and report
inline constexpr int kLowerLimitError = 757;
inline constexpr int kUpperLimitError = 758;
inline constexpr int kRecordLogging = 26500;
inline constexpr int kRecordEvent = 26501;
inline constexpr int kRecordReport = 26502;
inline constexpr int kHeader = 26503;
inline constexpr int kLine1 = 26504;
inline constexpr int kLine2 = 26505;
inline constexpr int kLine3 = 26506;
inline constexpr int kPen = 26507;
inline constexpr int kPenInformation = 26508;
inline constexpr int kAutoStart = 26509;
inline constexpr int kSdAutoDelete = 26510;
inline constexpr int kSdCharacterSet = 26511;
inline constexpr int kSjis = 26512;
inline constexpr int kUtf8 = 26513;
inline constexpr int kStoringRateUnit = 26514;
inline constexpr int kSecond = 26515;
inline constexpr int kSecShort = 26516;
inline constexpr int kMinShort = 26517;
inline constexpr int kChooseHourAndOffset = 26518;
inline constexpr int kDateline = 26519;
inline constexpr int kDayStartTimeError = 26520;
inline constexpr int kSun = 26521;
inline constexpr int kMon = 26522;
inline constexpr int kTue = 26523;
inline constexpr int kWed = 26524;
inline constexpr int kThu = 26525;
inline constexpr int kFri = 26526;
inline constexpr int kSat = 26527;
inline constexpr int kLineTitle = 26528;
inline constexpr int kHeaderLineError = 26529;
inline constexpr int kOffsetMin = 26530;
inline constexpr int kOffsetSec = 26531;
inline constexpr int kChooseOffsetTitle = 26532;
inline constexpr int kTimeDelayMinError = 26533;
inline constexpr int kTimeDelaySecError = 26534;
inline constexpr int kPenLabel = 26535;
inline constexpr int kColumnSampling = 26536;
inline constexpr int kType = 26537;
inline constexpr int kMomentaryValue = 26538;
inline constexpr int kAverageValue = 26539;
inline constexpr int kPeakMax = 26540;
inline constexpr int kPeakMin = 26541;
inline constexpr int kSamplingMethod = 26542;
inline constexpr int kDataRange = 26543;
inline constexpr int kUpperLimit = 26544;
inline constexpr int kLowerLimit = 26545;
inline constexpr int kErrorMode = 26546;
inline constexpr int kPreviousValue = 26547;
inline constexpr int kFixedValue = 26548;
inline constexpr int kFixedCharacters = 26549;
inline constexpr int kLimitOrderError = 26550;
inline constexpr int kFixedValueError = 26551;
inline constexpr int kFixedCharactersError = 26552;
inline constexpr int kEventLog = 26553;
inline constexpr int kSystemLog = 26554;
inline constexpr int kSchedulerLog = 26556;
inline constexpr int kReportForm = 26557;
inline constexpr int kPageTitle = 26558;
inline constexpr int kDailyReport = 26559;
inline constexpr int kMonthlyReport = 26560;
inline constexpr int kYearlyReport = 26561;
inline constexpr int kMailTemplateNo = 26562;
inline constexpr int kChooseTemplate = 26563;
inline constexpr int kTimingToSend = 26564;
inline constexpr int kUponUpdating = 26565;
inline constexpr int kUponSaving = 26566;
inline constexpr int kDailyStartTime = 26567;
inline constexpr int kMonthlyStartDate = 26568;
inline constexpr int kYearlyStartMonth = 26569;
inline constexpr int kDailyTitleError = 26570;
inline constexpr int kMonthlyTitleError = 26571;
inline constexpr int kYearlyTitleError = 26572;
inline constexpr int kBasicData = 26573;
inline constexpr int kSum = 26574;
inline constexpr int kAverage = 26575;
inline constexpr int kMaximum = 26576;
inline constexpr int kMinimum = 26577;
inline constexpr int kPiName = 26578;
inline constexpr int kMaName = 26579;
inline constexpr int kMdName = 26580;
inline constexpr int kAoName = 26581;
inline constexpr int kDoName = 26582;
inline constexpr int kGdoName = 26583;

// scheduler
inline constexpr int kPatternSetting = 26600;
inline constexpr int kUnitSetting = 26601;
inline constexpr int kMaintenanceSwSetting = 26602;
inline constexpr int kPatternName = 26603;
inline constexpr int kStartAt = 26604;
inline constexpr int kEndAt = 26605;
inline constexpr int kPatternNameError = 26606;
inline constexpr int kDoMapped = 26607;
inline constexpr int kGdoMapped = 26608;
inline constexpr int kStartEndError = 26609;
inline constexpr int kUnitName = 26610;
inline constexpr int kUnitTitle = 26611;
inline constexpr int kUnitNameLabel = 26612;
inline constexpr int kBasicAssignment = 26613;
inline constexpr int kUnitNameError = 26614;
inline constexpr int kChannel = 26615;

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


}  // namespace tk48::text
