#pragma once

#include "oskevo/valuedescriptor.h"

// The node and value descriptors of a standard device definition (DravinelDefinition::g_vd...).
// A node's type is its descriptor, compared by identity. Every descriptor's Name() is unique
// in the process and equals the name its items get (g_vdNodeFd.Name() is "Fd", g_vdFStart's
// is "FStart"; the texts are the DravinelDefinition::C names).
//
// PathName() leads from the node that owns an item to the item, starting with "/":
// - attribute values through the owner's attribute child: g_vdFStart is "/FdAttr/FStart",
//   relative to the frequency definition;
// - parameter groups through the owner's parameter set: g_vdNodeIf is "/Par/If", relative to
//   a device, control data, control set or frequency definition; the values of a group are its
//   direct children ("/Bandwidth" relative to the group);
// - the control data and its attributes from the node that holds the control data (a device
//   or an offline job node), where it is unique and always named C::g_sDcd:
//   g_vdDcdName is "/Dcd/DcdAttr/DcdName";
// - every other node relative to its parent ("/Fds", "/Fd", "/SimFreqList").
//
// Numbers are stored in their base unit (Hz, s, m, deg); Basis() is the power of 1000 in which
// a form shows them (frequencies of the receiver: 2, megahertz). Values of the simulation
// scenario have basis 0: their tables show the stored number with its unit.
//
// The descriptors are globals of this library, built before any library that links it runs
// its own static initialisers.

namespace DravinelDefinition
{

// Node types of the standard device tree.
extern const values::ValueDescriptor g_vdNodeRoot;    // root of the process-wide tree
extern const values::ValueDescriptor g_vdNodeJobRoot; // node that holds an offline job's Dcd
extern const values::ValueDescriptor g_vdNodeDev;     // a device
extern const values::ValueDescriptor g_vdNodeDevAttr;
extern const values::ValueDescriptor g_vdNodeDcd; // device control data: a job
extern const values::ValueDescriptor g_vdNodeDcdAttr;
extern const values::ValueDescriptor g_vdNodeDcs; // device control set
extern const values::ValueDescriptor g_vdNodeDcsAttr;
extern const values::ValueDescriptor g_vdNodeFds; // list of frequency definitions
extern const values::ValueDescriptor g_vdNodeFd;  // one frequency definition
extern const values::ValueDescriptor g_vdNodeFdAttr;
extern const values::ValueDescriptor g_vdNodePar;      // parameter set
extern const values::ValueDescriptor g_vdNodeDet;      // detection group
extern const values::ValueDescriptor g_vdNodeDfSearch; // direction-finding search group
extern const values::ValueDescriptor g_vdNodeIf;       // IF group
extern const values::ValueDescriptor g_vdNodeDemod;    // demodulation group

// Simulation scenario: lists of emissions, emitters and movements below a device.
extern const values::ValueDescriptor g_vdNodeEms;    // list of emissions
extern const values::ValueDescriptor g_vdNodeIndEm;  // one emission (may list its emitters)
extern const values::ValueDescriptor g_vdNodeEmi;    // list of emitters
extern const values::ValueDescriptor g_vdNodeIndEmi; // one emitter
extern const values::ValueDescriptor g_vdNodeMovs;   // list of movements
extern const values::ValueDescriptor g_vdNodeIndMov; // one movement
// Scenario groups (in the parameter set of an emission, emitter or movement).
extern const values::ValueDescriptor g_vdNodeSimGeneral;
extern const values::ValueDescriptor g_vdNodeSimFrequency;
extern const values::ValueDescriptor g_vdNodeSimFreqListSuper; // emission list of a frequency group
extern const values::ValueDescriptor g_vdNodeSimFreqList;      // one entry of it
extern const values::ValueDescriptor g_vdNodeSimFreqListAttr;
extern const values::ValueDescriptor g_vdNodeSimMovement;
extern const values::ValueDescriptor g_vdNodeSimMovListSuper; // breakpoints of a movement group
extern const values::ValueDescriptor g_vdNodeSimMovList;      // one breakpoint
extern const values::ValueDescriptor g_vdNodeSimMovListAttr;

// Device (DevAttr) and its live settings (direct children of the device).
extern const values::ValueDescriptor g_vdDevName;       // string
extern const values::ValueDescriptor g_vdDevType;       // selection of the device types (key = type)
extern const values::ValueDescriptor g_vdDevAddress;    // string, host:port
extern const values::ValueDescriptor g_vdFrequency;     // double, Hz
extern const values::ValueDescriptor g_vdOperationMode; // selection: 0 job, 1 FFM, 2 standby
extern const values::ValueDescriptor g_vdJobNew;        // int, number of the job last loaded

// Control data (DcdAttr), control set (DcsAttr), frequency definition (FdAttr).
extern const values::ValueDescriptor g_vdDcdName;         // string
extern const values::ValueDescriptor g_vdDcdFileName;     // string
extern const values::ValueDescriptor g_vdDcdType;         // selection of the device types
extern const values::ValueDescriptor g_vdDcdID;           // int
extern const values::ValueDescriptor g_vdDcdMcsMasterJob; // bool
extern const values::ValueDescriptor g_vdDcsName;         // string
extern const values::ValueDescriptor g_vdDcsEnable;       // bool
extern const values::ValueDescriptor g_vdDcsComment;      // string
extern const values::ValueDescriptor g_vdDcsCount;        // int, passes over the set (0 endless)
extern const values::ValueDescriptor g_vdFStart;          // double, Hz
extern const values::ValueDescriptor g_vdFStop;           // double, Hz
extern const values::ValueDescriptor g_vdFName;           // string
extern const values::ValueDescriptor g_vdFSupp;           // bool: a suppress range

// Detection group.
extern const values::ValueDescriptor g_vdResolutionBandwidth; // selection, Hz (key = Hz)
extern const values::ValueDescriptor g_vdThreshold;           // double, dBuV ("Threshhold")
extern const values::ValueDescriptor g_vdAutoThreshold;       // bool
extern const values::ValueDescriptor g_vdAutoThresholdOffset; // double, dB
extern const values::ValueDescriptor g_vdHopBandwidth;        // selection, Hz (key = Hz)
extern const values::ValueDescriptor g_vdDetector;            // selection
extern const values::ValueDescriptor g_vdMeasurementTime;     // double, s

// Direction-finding search group.
extern const values::ValueDescriptor g_vdDfMode;             // selection, keys are EDfMode
extern const values::ValueDescriptor g_vdDfReportInterval;   // selection, s (key = ms)
extern const values::ValueDescriptor g_vdDfBandwidth;        // selection, Hz (key = Hz)
extern const values::ValueDescriptor g_vdDfQualityThreshold; // double, %
extern const values::ValueDescriptor g_vdAziStart1;          // double, deg
extern const values::ValueDescriptor g_vdAziStop1;           // double, deg

// IF group and demodulation group (g_vdBandwidth stands in both: IF and demodulation bandwidth).
extern const values::ValueDescriptor g_vdBandwidth;       // selection, Hz (key = Hz)
extern const values::ValueDescriptor g_vdGainControlMode; // selection: AGC, MGC
extern const values::ValueDescriptor g_vdMGCLevel;        // double, dB
extern const values::ValueDescriptor g_vdIfPanoramaSpan;  // selection, Hz (key = Hz)
extern const values::ValueDescriptor g_vdAfc;             // bool
extern const values::ValueDescriptor g_vdDemodulation;    // selection: AM FM USB LSB CW ISB PULSE IQ
extern const values::ValueDescriptor g_vdBfo;             // double, Hz
extern const values::ValueDescriptor g_vdAudioThreshold;  // double, dBuV (squelch level)
extern const values::ValueDescriptor g_vdAuSquelch;       // bool

// Scenario: general settings of an emitter.
extern const values::ValueDescriptor g_vdGenModulation;       // selection
extern const values::ValueDescriptor g_vdGenDecoder;          // selection
extern const values::ValueDescriptor g_vdGenGain;             // double, dBi
extern const values::ValueDescriptor g_vdGenEnvironment;      // selection
extern const values::ValueDescriptor g_vdGenAntennaType;      // selection
extern const values::ValueDescriptor g_vdGenHeight;           // double, m
extern const values::ValueDescriptor g_vdGenAntennaDirection; // double, deg
extern const values::ValueDescriptor g_vdGenMaxPower;         // double, W

// Scenario: emission settings and the entries of an emission list.
extern const values::ValueDescriptor g_vdFreqType;          // selection
extern const values::ValueDescriptor g_vdFreqStart;         // double, Hz
extern const values::ValueDescriptor g_vdFreqStop;          // double, Hz
extern const values::ValueDescriptor g_vdFreqStep;          // double, Hz
extern const values::ValueDescriptor g_vdFreqBandwidth;     // double, Hz
extern const values::ValueDescriptor g_vdFreqCount;         // int
extern const values::ValueDescriptor g_vdFreqFreq;          // double, Hz
extern const values::ValueDescriptor g_vdFreqWaitTime;      // double, s
extern const values::ValueDescriptor g_vdFreqSendTime;      // double, s
extern const values::ValueDescriptor g_vdFreqListFrequency; // double, Hz (in SimFreqListAttr)
extern const values::ValueDescriptor g_vdFreqListBandwidth; // double, Hz
extern const values::ValueDescriptor g_vdFreqListCount;     // int

// Scenario: movement settings and the breakpoints of a movement.
extern const values::ValueDescriptor g_vdMovType;          // selection
extern const values::ValueDescriptor g_vdMovLongitude;     // double, deg
extern const values::ValueDescriptor g_vdMovLatitude;      // double, deg
extern const values::ValueDescriptor g_vdMovBreakTime;     // double, s
extern const values::ValueDescriptor g_vdMovSpeed;         // double, m/s
extern const values::ValueDescriptor g_vdMovAngle;         // double, deg
extern const values::ValueDescriptor g_vdMovRadius;        // double, m
extern const values::ValueDescriptor g_vdMovAmplitude;     // double, m
extern const values::ValueDescriptor g_vdMovPeriode;       // double, s
extern const values::ValueDescriptor g_vdMovCount;         // int
extern const values::ValueDescriptor g_vdMovListLatitude;  // double, deg (in SimMovListAttr)
extern const values::ValueDescriptor g_vdMovListLongitude; // double, deg
extern const values::ValueDescriptor g_vdMovListSleepTime; // double, s
extern const values::ValueDescriptor g_vdMovListSpeed;     // double, m/s

// Every descriptor above, nodes first, in declaration order.
const std::vector<const values::ValueDescriptor*>& AllDescriptors();

} // namespace DravinelDefinition
