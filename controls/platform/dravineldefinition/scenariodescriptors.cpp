// The simulation scenario: emissions, emitters, movements, their groups and values.

#include "dravineldefinition/descriptors.h"
#include "dravineldefinition/selectionlists.h"

#include <climits>

namespace DravinelDefinition
{

using values::ValueDescriptor;

namespace
{
const double c_dMaxHz = 40e9;
}

const ValueDescriptor g_vdNodeEms = ValueDescriptor::NodeType("Ems", "/Ems", "Emissions of the simulation");
const ValueDescriptor g_vdNodeIndEm =
    ValueDescriptor::NodeType("IndEm", "/IndEm", "An emission and its emitters");
const ValueDescriptor g_vdNodeEmi = ValueDescriptor::NodeType("Emi", "/Emi", "Emitters of the simulation");
const ValueDescriptor g_vdNodeIndEmi = ValueDescriptor::NodeType("IndEmi", "/IndEmi", "An emitter");
const ValueDescriptor g_vdNodeMovs =
    ValueDescriptor::NodeType("Movs", "/Movs", "Movements of the simulation");
const ValueDescriptor g_vdNodeIndMov = ValueDescriptor::NodeType("IndMov", "/IndMov", "A movement");
const ValueDescriptor g_vdNodeSimGeneral =
    ValueDescriptor::NodeType("SimGeneral", "/Par/SimGeneral", "General settings of an emitter");
const ValueDescriptor g_vdNodeSimFrequency =
    ValueDescriptor::NodeType("SimFrequency", "/Par/SimFrequency", "Frequencies of an emission");
const ValueDescriptor g_vdNodeSimFreqListSuper =
    ValueDescriptor::NodeType("SimFreqListSuper", "/SimFreqListSuper", "Frequency list of an emission");
const ValueDescriptor g_vdNodeSimFreqList =
    ValueDescriptor::NodeType("SimFreqList", "/SimFreqList", "One frequency of an emission");
const ValueDescriptor g_vdNodeSimFreqListAttr =
    ValueDescriptor::NodeType("SimFreqListAttr", "/SimFreqListAttr", "Attributes of the frequency");
const ValueDescriptor g_vdNodeSimMovement =
    ValueDescriptor::NodeType("SimMovement", "/Par/SimMovement", "Movement of an emitter");
const ValueDescriptor g_vdNodeSimMovListSuper =
    ValueDescriptor::NodeType("SimMovListSuper", "/SimMovListSuper", "Breakpoints of a movement");
const ValueDescriptor g_vdNodeSimMovList =
    ValueDescriptor::NodeType("SimMovList", "/SimMovList", "A breakpoint");
const ValueDescriptor g_vdNodeSimMovListAttr =
    ValueDescriptor::NodeType("SimMovListAttr", "/SimMovListAttr", "Attributes of the breakpoint");

const ValueDescriptor g_vdGenModulation = ValueDescriptor::Selection(
    "GenModulation", "/GenModulation",
    SelectionLists::Named({"AM", "FM", "USB", "LSB", "CW", "FSK", "PSK", "QAM", "OFDM"}), 1, "", 0,
    "Modulation the emitter sends");
const ValueDescriptor g_vdGenDecoder = ValueDescriptor::Selection(
    "GenDecoder", "/GenDecoder", SelectionLists::Named({"None", "POCSAG", "ACARS", "AIS", "DMR", "TETRA"}), 0,
    "", 0, "Data the emitter sends");
const ValueDescriptor g_vdGenGain =
    ValueDescriptor::Double("GenGain", "/GenGain", 2.0, "dBi", 0.1, 0, -20.0, 40.0, "Antenna gain");
const ValueDescriptor g_vdGenEnvironment =
    ValueDescriptor::Selection("GenEnvironment", "/GenEnvironment",
                               SelectionLists::Named({"Free Space", "Rural", "Suburban", "Urban", "Sea"}), 1,
                               "", 0, "Propagation environment");
const ValueDescriptor g_vdGenAntennaType = ValueDescriptor::Selection(
    "GenAntennaType", "/GenAntennaType",
    SelectionLists::Named({"Omnidirectional", "Dipole", "Yagi", "Log-Periodic", "Whip"}), 0, "", 0,
    "Antenna of the emitter");
const ValueDescriptor g_vdGenHeight = ValueDescriptor::Double("GenHeight", "/GenHeight", 10.0, "m", 1.0, 0,
                                                              0.0, 10000.0, "Antenna height above ground");
const ValueDescriptor g_vdGenAntennaDirection = ValueDescriptor::Double(
    "GenAntennaDirection", "/GenAntennaDirection", 0.0, "deg", 1.0, 0, 0.0, 360.0, "Main beam direction");
const ValueDescriptor g_vdGenMaxPower =
    ValueDescriptor::Double("GenMaxPower", "/GenMaxPower", 10.0, "W", 0.1, 0, 0.0, 1e6, "Transmitter power");

const ValueDescriptor g_vdFreqType = ValueDescriptor::Selection(
    "FreqType", "/FreqType", SelectionLists::Named({"Fixed", "List", "Sweep", "Hopper", "Burst"}), 1, "", 0,
    "How the emitter uses its frequencies");
const ValueDescriptor g_vdFreqStart =
    ValueDescriptor::Double("FreqStart", "/FreqStart", 144e6, "Hz", 1000.0, 0, 0.0, c_dMaxHz,
                            "Lowest frequency of a sweep or hopper");
const ValueDescriptor g_vdFreqStop = ValueDescriptor::Double(
    "FreqStop", "/FreqStop", 146e6, "Hz", 1000.0, 0, 0.0, c_dMaxHz, "Highest frequency of a sweep or hopper");
const ValueDescriptor g_vdFreqStep = ValueDescriptor::Double("FreqStep", "/FreqStep", 25000.0, "Hz", 100.0, 0,
                                                             1.0, 1e9, "Step between adjacent frequencies");
const ValueDescriptor g_vdFreqBandwidth = ValueDescriptor::Double(
    "FreqBandwidth", "/FreqBandwidth", 12500.0, "Hz", 100.0, 0, 1.0, 40e6, "Occupied bandwidth");
const ValueDescriptor g_vdFreqCount =
    ValueDescriptor::Int("FreqCount", "/FreqCount", 1, "", 1, 1000000, "Number of frequencies used");
const ValueDescriptor g_vdFreqFreq = ValueDescriptor::Double(
    "FreqFreq", "/FreqFreq", 145.5e6, "Hz", 1000.0, 0, 0.0, c_dMaxHz, "Frequency of a fixed emission");
const ValueDescriptor g_vdFreqWaitTime = ValueDescriptor::Double(
    "FreqWaitTime", "/FreqWaitTime", 1.0, "s", 0.1, 0, 0.0, 86400.0, "Pause between transmissions");
const ValueDescriptor g_vdFreqSendTime = ValueDescriptor::Double(
    "FreqSendTime", "/FreqSendTime", 0.5, "s", 0.1, 0, 0.0, 86400.0, "Length of one transmission");
const ValueDescriptor g_vdFreqListFrequency =
    ValueDescriptor::Double("FreqListFrequency", "/SimFreqListAttr/FreqListFrequency", 145.5e6, "Hz", 1000.0,
                            0, 0.0, c_dMaxHz, "Frequency of the entry");
const ValueDescriptor g_vdFreqListBandwidth =
    ValueDescriptor::Double("FreqListBandwidth", "/SimFreqListAttr/FreqListBandwidth", 12500.0, "Hz", 100.0,
                            0, 1.0, 40e6, "Occupied bandwidth of the entry");
const ValueDescriptor g_vdFreqListCount =
    ValueDescriptor::Int("FreqListCount", "/SimFreqListAttr/FreqListCount", 1, "", 1, 1000000,
                         "Transmissions on the entry per cycle");

const ValueDescriptor g_vdMovType = ValueDescriptor::Selection(
    "MovType", "/MovType", SelectionLists::Named({"Stationary", "Linear", "Circle", "Sine", "Breakpoints"}),
    0, "", 0, "Predefined movement of the emitter");
const ValueDescriptor g_vdMovLongitude = ValueDescriptor::Double(
    "MovLongitude", "/MovLongitude", 11.576, "deg", 0.0001, 0, -180.0, 180.0, "Longitude of the start");
const ValueDescriptor g_vdMovLatitude = ValueDescriptor::Double(
    "MovLatitude", "/MovLatitude", 48.137, "deg", 0.0001, 0, -90.0, 90.0, "Latitude of the start");
const ValueDescriptor g_vdMovBreakTime = ValueDescriptor::Double(
    "MovBreakTime", "/MovBreakTime", 0.0, "s", 1.0, 0, 0.0, 86400.0, "Sleep time at the beginning");
const ValueDescriptor g_vdMovSpeed =
    ValueDescriptor::Double("MovSpeed", "/MovSpeed", 10.0, "m/s", 0.1, 0, 0.0, 350.0, "Speed of the emitter");
const ValueDescriptor g_vdMovAngle = ValueDescriptor::Double("MovAngle", "/MovAngle", 0.0, "deg", 1.0, 0, 0.0,
                                                             360.0, "Heading of the movement");
const ValueDescriptor g_vdMovRadius =
    ValueDescriptor::Double("MovRadius", "/MovRadius", 1000.0, "m", 1.0, 0, 0.0, 1e6, "Radius of a circle");
const ValueDescriptor g_vdMovAmplitude = ValueDescriptor::Double(
    "MovAmplitude", "/MovAmplitude", 100.0, "m", 1.0, 0, 0.0, 1e6, "Amplitude of a sine movement");
const ValueDescriptor g_vdMovPeriode = ValueDescriptor::Double(
    "MovPeriode", "/MovPeriode", 60.0, "s", 1.0, 0, 0.1, 86400.0, "Period of a circle or sine movement");
const ValueDescriptor g_vdMovCount = ValueDescriptor::Int("MovCount", "/MovCount", 1, "", 0, INT_MAX,
                                                          "Repetitions of the movement (0: endless)");
const ValueDescriptor g_vdMovListLatitude =
    ValueDescriptor::Double("MovListLatitude", "/SimMovListAttr/MovListLatitude", 48.137, "deg", 0.0001, 0,
                            -90.0, 90.0, "Latitude of the breakpoint");
const ValueDescriptor g_vdMovListLongitude =
    ValueDescriptor::Double("MovListLongitude", "/SimMovListAttr/MovListLongitude", 11.576, "deg", 0.0001, 0,
                            -180.0, 180.0, "Longitude of the breakpoint");
const ValueDescriptor g_vdMovListSleepTime =
    ValueDescriptor::Double("MovListSleepTime", "/SimMovListAttr/MovListSleepTime", 0.0, "s", 1.0, 0, 0.0,
                            86400.0, "Sleep time at the breakpoint");
const ValueDescriptor g_vdMovListSpeed =
    ValueDescriptor::Double("MovListSpeed", "/SimMovListAttr/MovListSpeed", 10.0, "m/s", 0.1, 0, 0.0, 350.0,
                            "Speed towards the breakpoint");

} // namespace DravinelDefinition
