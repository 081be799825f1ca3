#pragma once

#include "fenmarro/ffmsettings.h"

#include <QString>

namespace Fenmarro
{

// One stored frequency: its type (the first character tells the kind, e.g. "F" for a fixed
// frequency), the operator's comment, and the fixed-frequency-mode settings to receive it.
class FrequencyStoreEntry
{
public:
    FrequencyStoreEntry() = default;
    FrequencyStoreEntry(const QString& sType, const QString& sComment, const FFMSettings& settings)
        : m_sType(sType), m_sComment(sComment), m_ffmSettings(settings)
    {
    }

    const QString& GetType() const { return m_sType; }
    const QString& GetComment() const { return m_sComment; }
    const FFMSettings& GetFFM_Settings() const { return m_ffmSettings; }
    void SetType(const QString& sType) { m_sType = sType; }
    void SetComment(const QString& sComment) { m_sComment = sComment; }
    void SetFFM_Settings(const FFMSettings& settings) { m_ffmSettings = settings; }

    bool operator==(const FrequencyStoreEntry& other) const
    {
        return m_sType == other.m_sType && m_sComment == other.m_sComment &&
               m_ffmSettings == other.m_ffmSettings;
    }
    bool operator!=(const FrequencyStoreEntry& other) const { return !(*this == other); }

private:
    QString m_sType;
    QString m_sComment;
    FFMSettings m_ffmSettings;
};

} // namespace Fenmarro
