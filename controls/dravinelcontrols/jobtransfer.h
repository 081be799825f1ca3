#pragma once

#include "dravineldefinition/edfmode.h"

#include <QString>

class IObserver;

namespace values
{
class IDynamicRules;
class Node;
class TreeItem;
class ValueBase;
class ValueCommentedRangeMap;
class ValueDescriptor;
} // namespace values

// The edits that carry single settings from the measurement displays into an offline job
// (offline node -> Dcd -> Dcs -> Fds -> Fd): ranges to measure, suppress ranges merged and
// cut, suppress lists in and out, and the detection and DF settings of the frequency
// definition that covers a frequency. Missing nodes are made on the way through the device
// definition's rules. The job dialog manager owns one for its offline job.
class JobTransfer
{
public:
    JobTransfer(values::Node* pOffline, values::Node* pDevice, unsigned int uDeviceType);

    // A range to measure, appended (or filling a never used single definition).
    void ToJob(double dStart, double dStop);
    // Adds a suppress range, merged with the suppress ranges it overlaps.
    void Suppress(double dStart, double dStop);
    // Removes a range from the suppress ranges: they are deleted, shortened or split.
    void UnSuppress(double dStart, double dStop);
    // Replaces the job's suppress ranges by the list's (merged where they overlap).
    void ImportSuppressRangesFromList(values::ValueCommentedRangeMap* pList);
    // The job's suppress ranges in list order, without comments.
    void ExportSuppressRangesToList(values::ValueCommentedRangeMap* pList);
    bool IsExportingSuppressRanges() const { return m_bExportingSuppressRanges; }

    // The settings of the definition that covers dFrequency; nothing without one.
    void SetThresholdToJob(double dValue, double dFrequency, IObserver* pObserver);
    void SetBandwidthToJob(double dValue, double dFrequency, IObserver* pObserver);
    void SetHopBandwidthToJob(double dValue, double dFrequency, IObserver* pObserver);
    void SetAveragingToJob(double dValue, double dFrequency, IObserver* pObserver);
    void SetDfModeToJob(DravinelDefinition::EDfMode eMode, double dFrequency);

    // The job's control data (Dcd) below the offline node, or null.
    values::Node* GetDcd() const;
    // The frequency list of a control data, or null when its Dcs or Fds is missing.
    static values::Node* GetFds(const values::Node* pDcd);
    // A new control data made by the rules, starting with the device's global parameters.
    values::Node* InsertDcd();
    // A new frequency definition appended to the job's list; a list whose only definition
    // spans 0.0 to 0.0 has that one filled instead.
    values::Node* InsertFd(double dStart, double dStop, bool bSuppress);
    // The rules of a node type in this job's device definition.
    values::IDynamicRules* GetDr(const values::ValueDescriptor* pDescriptor) const;

    static void Normalize(double& dStart, double& dStop);
    // The first definition of the list with FStart <= dFrequency <= FStop.
    static values::Node* GetFrequencyDefinitionForFrequency(values::Node* pDcd, double dFrequency);
    // The parameter set of the definition for dFrequency below pRoot's Dcd, made if missing.
    static values::Node* GetParameterNodeFromFrequency(values::Node* pRoot, double dFrequency);
    static values::Node* GetDetectionNodeFromFrequency(values::Node* pRoot, double dFrequency);
    static values::Node* GetDfSearchNodeFromFrequency(values::Node* pRoot, double dFrequency);

private:
    // A definition's range, read from its attribute values; false (traced) when a value is missing.
    static bool ReadRange(values::Node* pFd, double& dStart, double& dStop);
    // Whether pItem is a frequency definition marked as a suppress range.
    static values::Node* SuppressFd(values::TreeItem* pItem);
    static values::ValueBase* Attribute(values::Node* pFd, const values::ValueDescriptor& descriptor);
    static void SetAttribute(values::Node* pFd, const values::ValueDescriptor& descriptor, double dValue);
    // A selection value of a group that must take the entry closest to dValue.
    static void SelectClosest(values::Node* pGroup, const QString& sName, double dValue,
                              IObserver* pObserver);

    values::Node* m_pOffline;
    values::Node* m_pDevice;
    unsigned int m_uDeviceType;
    bool m_bExportingSuppressRanges = false;
};
