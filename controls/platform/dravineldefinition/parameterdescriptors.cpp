// The parameter set, its receiver groups and their values.

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/edfmode.h"
#include "dravineldefinition/selectionlists.h"

namespace DravinelDefinition
{

using values::ValueDescriptor;

namespace
{

// IF and demodulation bandwidths of a HF/VHF/UHF monitoring receiver.
std::vector<values::SelectionItem> IfBandwidths()
{
    return SelectionLists::Hertz({150,    300,    600,    1000,   1500,   2100,   2400,  2700,  3100,
                                  4000,   4800,   6000,   8330,   9000,   12000,  15000, 30000, 50000,
                                  120000, 150000, 250000, 300000, 500000, 800000, 1e6});
}

} // namespace

const ValueDescriptor g_vdNodePar = ValueDescriptor::NodeType("Par", "/Par", "Parameter set");
const ValueDescriptor g_vdNodeDet = ValueDescriptor::NodeType("Det", "/Par/Det", "Detection parameters");
const ValueDescriptor g_vdNodeDfSearch =
    ValueDescriptor::NodeType("DfSearch", "/Par/DfSearch", "Direction finding parameters of search and FFM");
const ValueDescriptor g_vdNodeIf = ValueDescriptor::NodeType("If", "/Par/If", "IF parameters");
const ValueDescriptor g_vdNodeDemod =
    ValueDescriptor::NodeType("Demod", "/Par/Demod", "Demodulation parameters");

const ValueDescriptor g_vdResolutionBandwidth =
    ValueDescriptor::Selection("ResolutionBandwidth", "/ResolutionBandwidth",
                               SelectionLists::Hertz({100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000,
                                                      100000, 200000, 500000, 1e6, 2e6}),
                               10000, "Hz", 0, "Resolution bandwidth of the spectrum");
const ValueDescriptor g_vdThreshold = ValueDescriptor::Double(
    "Threshhold", "/Threshhold", 10.0, "dBuV", 1.0, 0, -30.0, 130.0, "Level above which a signal counts");
const ValueDescriptor g_vdAutoThreshold =
    ValueDescriptor::Bool("AutoThreshold", "/AutoThreshold", false, "Threshold follows the noise level");
const ValueDescriptor g_vdAutoThresholdOffset =
    ValueDescriptor::Double("AutoThresholdOffset", "/AutoThresholdOffset", 6.0, "dB", 1.0, 0, 0.0, 40.0,
                            "Automatic threshold above noise");
const ValueDescriptor g_vdHopBandwidth = ValueDescriptor::Selection(
    "HopBandwidth", "/HopBandwidth", SelectionLists::Hertz({1e6, 2e6, 5e6, 10e6, 20e6, 40e6, 80e6}), 20000000,
    "Hz", 0, "Real-time bandwidth of one hop of a scan");
const ValueDescriptor g_vdDetector = ValueDescriptor::Selection(
    "Detector", "/Detector", SelectionLists::Named({"Average", "Peak", "Fast", "RMS"}), 0, "", 0,
    "Level detector");
const ValueDescriptor g_vdMeasurementTime = ValueDescriptor::Double(
    "MeasurementTime", "/MeasurementTime", 0.05, "s", 0.001, 0, 0.0005, 10.0, "Measurement time per step");

const ValueDescriptor g_vdDfMode = ValueDescriptor::Selection(
    "DfMode", "/DfMode", SelectionLists::Named({"Normal", "Continuous", "Gate", "Superresolution"}),
    DFMODE_NORMAL, "", 0, "How bearings are taken and reported");
const ValueDescriptor g_vdDfReportInterval = ValueDescriptor::Selection(
    "DfReportInterval", "/DfReportInterval", SelectionLists::Seconds({0.1, 0.2, 0.5, 1.0, 2.0, 5.0}), 1000,
    "s", 0, "Interval over which bearings are averaged and reported");
const ValueDescriptor g_vdDfBandwidth = ValueDescriptor::Selection(
    "DfBandwidth", "/DfBandwidth",
    SelectionLists::Hertz({100, 300, 1000, 3000, 10000, 30000, 100000, 300000, 1e6, 2e6}), 10000, "Hz", 0,
    "Bandwidth of the direction finder");
const ValueDescriptor g_vdDfQualityThreshold =
    ValueDescriptor::Double("DfQualityThreshold", "/DfQualityThreshold", 50.0, "%", 1.0, 0, 0.0, 100.0,
                            "Bearings of lower quality are dropped");
const ValueDescriptor g_vdAziStart1 = ValueDescriptor::Double("AziStart1", "/AziStart1", 0.0, "deg", 1.0, 0,
                                                              0.0, 360.0, "Start of the azimuth sector");
const ValueDescriptor g_vdAziStop1 = ValueDescriptor::Double("AziStop1", "/AziStop1", 360.0, "deg", 1.0, 0,
                                                             0.0, 360.0, "Stop of the azimuth sector");

const ValueDescriptor g_vdBandwidth = ValueDescriptor::Selection(
    "Bandwidth", "/Bandwidth", IfBandwidths(), 12000, "Hz", 0, "IF or demodulation bandwidth");
const ValueDescriptor g_vdGainControlMode = ValueDescriptor::Selection(
    "GainControlMode", "/GainControlMode", SelectionLists::Named({"AGC", "MGC"}), 0, "", 0, "Gain control");
const ValueDescriptor g_vdMGCLevel = ValueDescriptor::Double("MGCLevel", "/MGCLevel", 40.0, "dB", 1.0, 0,
                                                             -30.0, 110.0, "Gain of the manual gain control");
const ValueDescriptor g_vdIfPanoramaSpan =
    ValueDescriptor::Selection("IfPanoramaSpan", "/IfPanoramaSpan",
                               SelectionLists::Hertz({1000, 2000, 5000, 10000, 20000, 50000, 100000, 200000,
                                                      500000, 1e6, 2e6, 5e6, 10e6}),
                               100000, "Hz", 0, "Span of the IF panorama");
const ValueDescriptor g_vdAfc = ValueDescriptor::Bool("Afc", "/Afc", false, "Automatic frequency control");

const ValueDescriptor g_vdDemodulation =
    ValueDescriptor::Selection("Demodulation", "/Demodulation",
                               SelectionLists::Named({"AM", "FM", "USB", "LSB", "CW", "ISB", "PULSE", "IQ"}),
                               1, "", 0, "Demodulation mode");
const ValueDescriptor g_vdBfo = ValueDescriptor::Double("Bfo", "/Bfo", 1000.0, "Hz", 10.0, 0, -8000.0, 8000.0,
                                                        "Beat frequency offset for CW");
const ValueDescriptor g_vdAudioThreshold = ValueDescriptor::Double(
    "AudioThreshold", "/AudioThreshold", 10.0, "dBuV", 1.0, 0, -30.0, 130.0, "Squelch level of the audio");
const ValueDescriptor g_vdAuSquelch = ValueDescriptor::Bool("AuSquelch", "/AuSquelch", true, "Squelch on");

} // namespace DravinelDefinition
