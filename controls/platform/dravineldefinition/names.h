#pragma once

#include <QString>
#include <QStringList>

// The names under which the nodes and values of a standard device definition stand in the
// value tree: DravinelDefinition::C::g_sDev, C::g_sFStart, ... One constant per attribute key
// (each also has a display text in the controls' alias table), plus the path separator and a
// few names that have no display text of their own.
//
// A key's text is its identifier without the "g_s" prefix (g_sDcdName is "DcdName"), except
// where the device speaks otherwise: g_sFSuppress is "FSupp", g_sThreshold is "Threshhold"
// (sic, as the receivers spell it) and g_sDfUpdateInterval is "DfReportInterval".
//
// Static initialisation: the constants are C++17 inline variables. A translation unit that
// includes this header initialises them (once per process, guarded) before any of its own
// globals defined further down, so they may be read from the static initialisers of any
// library, in any order. They are never changed.

// The attribute keys in the order of the alias table. X(Id) names the key "Id"; XV(Id, text)
// names it with a text of its own.
// clang-format off
#define DRAVINEL_ATTRIBUTE_KEYS(X, XV) \
    X(Demod) X(Dev) X(Disp) X(DispThreshold) X(DispStartFreq) X(DispStopFreq) X(DispStartLevel) \
    X(DispStopLevel) X(DispElevation) X(DevAttr) X(DevName) X(DevType) X(DevAddress) X(CfgModifyTime) \
    X(Frequency) X(Bandwidthes) X(OperationMode) X(SearchMode) X(JobNew) X(SweepTime) X(SyncGridTime) \
    X(SyncStartTime) X(Sta) X(Drv) X(DrvMessages) X(Bite) X(DeviceName) X(DeviceAddr) X(DeviceStatus) \
    X(DefaultBIT) X(DeviceInfo) X(CBit) X(CBitStart) X(CBitFrequency) X(CBitResult) X(CBitTolerance) \
    X(CBitMessage) X(DevErrorState) X(DevMessages) X(State) X(Cfg) X(DfCompass) X(NavgServer) \
    X(AntCompass) X(DfGps) X(CfgAttr) X(DevOptions) X(DevVersion) X(DevInfo) X(KnownCalErrorMessage) \
    X(KnownDevErrorMessage) X(Cmd) X(DfAverageReset) X(Boo) X(BooCmd) X(BooResultTime) X(BooPhase) \
    X(BooState) X(Cal) X(Calibrate) X(CalResultTime) X(Res) X(Reset) X(ResetProgress) X(ResetReconnect) \
    X(Bis) X(BitShort) X(BisResultTime) X(BisMessages) X(Bit) X(BitResultTime) X(BitMessages) X(Ant) \
    X(AntChanged) X(AntName) X(AntEnabled) X(AntMinRange) X(AntMaxRange) X(AntCompassEnabled) \
    X(AntMechOffset) X(AntCompassSupport) X(AntDfAlgorithm) X(AntMinFreq) X(AntMaxFreq) \
    X(AntPolarizationSupport) X(AntPolarizationMode) X(AntActivePassiveSupport) X(AntCompassValue) \
    X(KELDRChan) X(KELDRUseCRC) X(KELDRRecMode) X(Dcd) X(DcdAttr) X(DcdName) X(DcdFileName) X(DcdType) \
    X(DcdMcsMasterJob) X(DcdID) X(Dcs) X(DcsAttr) X(DcsName) X(DcsEnable) X(DcsComment) X(DcsCount) \
    X(Fds) X(Fd) X(FdAttr) X(FStart) X(FStop) XV(FSuppress, "FSupp") X(FName) X(JoE) X(JobDllLoaded) \
    X(JobRunning) X(JobStartFreq) X(JobStopFreq) X(JobEndOfScan) X(JobEndOfRange) X(JobSuppressRanges) \
    X(JobTmpSuppressRanges) X(Msh) X(MshLoaded) X(MshoInput) X(MshAccept) X(Rec) X(RecDllLoaded) \
    X(RecRunning) X(Par) X(Det) X(ResolutionBandwidth) XV(Threshold, "Threshhold") X(MaxThreshold) \
    X(AutoThreshold) X(AutoThresholdOffset) X(Bandwidth) X(Demodulation) X(Bfo) X(AudioThreshold) \
    X(GainControlMode) X(MGC) X(AGC) X(MGCLevel) X(AGCDecay) X(If) X(Afc) X(FrequencyOffsetMeasurement) \
    X(FrequencyOffsetThreshold) X(IfPanoramaSpan) X(IfPanoramaResolution) X(IfPanoramaRefreshRate) \
    X(NoFi) X(NfFrequency) X(NfBandwidth) X(IfR) X(IfSpectrum) X(Detector) X(Level) X(FieldStrength) \
    X(FreqOffset) X(FreqOffsetThreshold) X(NoiseLevel) X(MarkFreq) X(Holding) X(Au) X(AuSquelch) \
    X(AuLevel) X(Syllabic) X(AuSquelchMode) X(AuSquelchSyllabic) X(AuMute) X(AuChannelPan) \
    X(AuPlayChannel) X(AuRecordChannel) X(AuSetMarker) X(AuSpeakerActive) X(AuRate) X(AuVolume) \
    X(AuFilter) X(AuR) X(Audio) X(AuFormat) X(Rf) X(Antenna) X(AntennaType) X(Polarisation) \
    X(AntennaActive) X(AttenuationMode) X(RfAttenuation) X(PreAmplifierHf) X(PreAmplifierVuhf) \
    X(SynFastMode) X(RfR) X(RfSpectrum) X(MeasR) X(MeasurementTime) X(FrequencyOffset) \
    X(FrequencyDeviation) X(ModulationDepth) X(LocateDf) X(Df) X(HopBandwidth) X(DfMethod) \
    X(DfQualityThreshold) X(DfMode) X(DfReportRising) X(DfReportFalling) X(DfReportContinous) \
    XV(DfUpdateInterval, "DfReportInterval") X(DfAverageTime) X(DfSearch) X(DfBandwidth) X(AziStart1) \
    X(AziStop1) X(AziStart2) X(AziStop2) X(AziStart3) X(AziStop3) X(EleStart) X(EleStop) X(DfR) \
    X(Azimuth) X(AzimuthList) X(AzimuthSpectrum) X(Elevation) X(DfQuality) X(AzimuthOverFreq) \
    X(ElevationOverFreq) X(DfQualityOverFreq) X(DfValidity) X(Pos) X(PosRefreshRate) \
    X(PosQualityThreshold) X(PosSource) X(PosCalculation) X(PosR) X(PosLongitude) X(PosLatitude) \
    X(PosLastUpdate) X(PosValidity) X(PosQuality) X(Hea) X(HeaRefreshRate) X(HeaQualityThreshold) \
    X(HeaSource) X(HeaRead) X(HeaR) X(TrueHeading) X(Declination) X(HeaOffset) X(HeaLastUpdate) \
    X(HeaValidity) X(HeaQuality) X(Evt) X(HoldTime) X(DwellTime) X(Acoustic) X(Led) X(MessageBox) X(Log) \
    X(Snapshot) X(Record) X(RecordAudio) X(SRStatus) X(SRNumEmitter) X(CreateJob) X(OnActivity) \
    X(OnNoActivity) X(EvtR) X(Event) X(EvtMessages) X(SRNumEmitterResult) X(Alarm) X(OnActivityBegin) \
    X(OnActivityEnd) X(ActivityTimeBegin) X(ActivityTimeEnd) X(UseTimeConstraint) X(AlarmFixed) \
    X(AlarmBurst) X(AlarmHopper) X(AlarmChirp) X(AlarmClassID) X(AlarmR) X(AlarmNew) X(AlarmResult) \
    X(AlarmLastId) X(AlarmMaxReached) X(Emi) X(IndEmi) X(Movs) X(IndMov) X(Ems) X(IndEm) X(SimGeneral) \
    X(GenModulation) X(GenGain) X(GenEnvironment) X(GenAntennaType) X(GenAntennaDirection) \
    X(GenMaxPower) X(SimFrequency) X(FreqType) X(FreqStart) X(FreqStop) X(FreqStep) X(FreqBandwidth) \
    X(FreqCount) X(FreqFreq) X(FreqWaitTime) X(FreqSendTime) X(SimFreqListSuper) X(SimFreqList) \
    X(SimFreqListAttr) X(FreqListFrequency) X(FreqListBandwidth) X(FreqListCount) X(SimMovement) \
    X(MovType) X(MovBreakTime) X(MovSpeed) X(MovLongitude) X(MovLatitude) X(MovAngle) X(MovRadius) \
    X(MovAmplitude) X(MovPeriode) X(MovCount) X(SimMovListSuper) X(SimMovListAttr) X(SimMovList) \
    X(MovListLatitude) X(MovListLongitude) X(MovListSleepTime) X(MovListSpeed)
// clang-format on

namespace DravinelDefinition
{
namespace C
{

#define DRAVINEL_DECLARE_KEY(Id) inline const QString g_s##Id = QStringLiteral(#Id);
#define DRAVINEL_DECLARE_KEY_TEXT(Id, Text) inline const QString g_s##Id = QStringLiteral(Text);
DRAVINEL_ATTRIBUTE_KEYS(DRAVINEL_DECLARE_KEY, DRAVINEL_DECLARE_KEY_TEXT)
#undef DRAVINEL_DECLARE_KEY
#undef DRAVINEL_DECLARE_KEY_TEXT

// The path separator of the value tree.
inline const QString g_sSLASH = QStringLiteral("/");

// Names without an attribute key (no display text of their own).
inline const QString g_sRoot = QStringLiteral("Root");       // type name of the tree's root
inline const QString g_sJobRoot = QStringLiteral("JobRoot"); // node that holds an offline job
inline const QString g_sGenDecoder = QStringLiteral("GenDecoder");
inline const QString g_sGenHeight = QStringLiteral("GenHeight");

// All attribute keys, in the order of the alias table (334 texts, each once).
const QStringList& AttributeKeys();
// The identifiers of the same keys ("g_sDemod", ...), in the same order.
const QStringList& AttributeKeyIdentifiers();

} // namespace C
} // namespace DravinelDefinition
