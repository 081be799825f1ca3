#include "oskevo/vtfile.h"

#include "kvbase/kvexception.h"
#include "oskevo/node.h"
#include "oskevo/vtfileversion.h"
#include "oskevo/vtxml.h"
#include "oskevo/vtxmlreader.h"
#include "oskevo/vtxmlwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <unistd.h>

namespace values
{

namespace
{

const char s_szRead[] = "VtFile::Read";
const char s_szWrite[] = "VtFile::Write";

} // namespace

VtFile::VtFile(const QString& sFileName, Node* pNode, VtFileVersion* pVersion)
    : m_sFileName(sFileName), m_pNode(pNode), m_pVersion(pVersion)
{
}

void VtFile::Read()
{
    const QString sWhat = QStringLiteral("Cannot read \"%1\"").arg(m_sFileName);
    const auto fail = [&](const QString& sWhy)
    { throw KVException(QStringLiteral("%1: %2").arg(sWhat, sWhy), QLatin1String(s_szRead), m_sFileName); };
    if (!m_pNode)
        fail(QStringLiteral("there is no node to read into"));
    const QFileInfo info(m_sFileName);
    if (!info.exists())
        fail(QStringLiteral("the file does not exist"));
    // Only plain files: a pipe or device could block or never end.
    if (!info.isFile())
        fail(QStringLiteral("it is not a regular file"));
    QFile file(m_sFileName);
    if (!file.open(QIODevice::ReadOnly))
        fail(file.errorString());
    if (file.size() > VtXml::s_nMaxTextLength)
        fail(QStringLiteral("it has %1 bytes, more than %2").arg(file.size()).arg(VtXml::s_nMaxTextLength));

    QXmlStreamReader xml(&file);
    VtXmlReader reader(sWhat, QLatin1String(s_szRead), m_sFileName);
    reader.SetUniqueTopLevel(true);
    if (m_pVersion)
    {
        // Checked on the root element already: a file of another version need not be
        // readable in this format at all.
        reader.SetVersionCheck(
            [&](const VtXmlReader::Document& document)
            {
                if (!m_pVersion->VersionConflict(document.sVersion))
                    return;
                const QString sFileVersion = document.bHasVersion
                                                 ? QStringLiteral("has version \"%1\"").arg(document.sVersion)
                                                 : QStringLiteral("has no version");
                fail(QStringLiteral("version conflict: the file %1, this program reads version \"%2\"")
                         .arg(sFileVersion, m_pVersion->GetVersion()));
            });
    }
    VtXmlReader::Document document;
    try
    {
        document = reader.Read(xml);
    }
    catch (const KVException&)
    {
        if (file.error() != QFileDevice::NoError)
            fail(file.errorString());
        throw;
    }
    if (file.error() != QFileDevice::NoError)
        fail(file.errorString());
    if (m_pVersion)
    {
        std::vector<const TreeItem*> vecItems;
        vecItems.reserve(document.vecItems.size());
        for (const std::unique_ptr<TreeItem>& pItem : document.vecItems)
            vecItems.push_back(pItem.get());
        const QString sWhy = m_pVersion->RefuseContent(vecItems);
        if (!sWhy.isEmpty())
            fail(sWhy);
    }

    if (VtXmlReader::ReplaceContent(m_pNode, document, QLatin1String(s_szRead)) && m_pVersion)
        m_pVersion->FixTree(m_pNode);
}

void VtFile::Write()
{
    const QString sWhat = QStringLiteral("Cannot write \"%1\"").arg(m_sFileName);
    const auto fail = [&](const QString& sWhy)
    { throw KVException(QStringLiteral("%1: %2").arg(sWhat, sWhy), QLatin1String(s_szWrite), m_sFileName); };
    if (!m_pNode)
        fail(QStringLiteral("there is no node to write"));
    if (QFileInfo(m_sFileName).isDir())
        fail(QStringLiteral("it is a directory"));

    // QSaveFile writes a temporary file beside the target and renames it over the target
    // only when everything was written: on any failure the old file stays as it was.
    QSaveFile file(m_sFileName);
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    QXmlStreamWriter xml(&file);
    try
    {
        VtXmlWriter writer(xml, true);
        const QString sVersion = m_pVersion ? m_pVersion->GetVersion() : QString();
        const std::string sText = m_pNode->GetAsStdString();
        writer.BeginDocument(m_pVersion ? &sVersion : nullptr, &sText);
        for (const TreeItem* pItem : m_pNode->GetTreeItems())
            writer.WriteItem(pItem);
        writer.EndDocument();
    }
    catch (const KVException& exception)
    {
        file.cancelWriting();
        fail(exception.GetMessage());
    }
    // size() flushes the buffer, so write errors show here at the latest.
    const qint64 nSize = file.size();
    if (xml.hasError() || file.error() != QFileDevice::NoError)
    {
        const QString sWhy = file.error() != QFileDevice::NoError
                                 ? file.errorString()
                                 : QStringLiteral("the text could not be written");
        file.cancelWriting();
        fail(sWhy);
    }
    if (nSize > VtXml::s_nMaxTextLength)
    {
        file.cancelWriting();
        fail(QStringLiteral("the file would have %1 bytes, more than the %2 that can be read back")
                 .arg(nSize)
                 .arg(VtXml::s_nMaxTextLength));
    }
    if (m_bKeepBackup)
    {
        const QString sWhy = KeepBackup();
        if (!sWhy.isEmpty())
        {
            file.cancelWriting();
            fail(sWhy);
        }
    }
    if (!file.commit())
        fail(file.errorString());
}

QString VtFile::KeepBackup() const
{
    const QFileInfo info(m_sFileName);
    if (!info.exists())
        return QString();
    const QString sBackup = BackupName();
    if (QFileInfo(sBackup).isDir())
        return QStringLiteral("the previous version cannot be kept: \"%1\" is a directory").arg(sBackup);
    if (QFileInfo::exists(sBackup) && !QFile::remove(sBackup))
        return QStringLiteral("the previous version cannot be kept: \"%1\" cannot be removed").arg(sBackup);
    // A hard link keeps the old contents without copying them: the new file replaces the
    // name, not the data. Where links are not possible, a copy does the same.
    if (::link(QFile::encodeName(m_sFileName).constData(), QFile::encodeName(sBackup).constData()) == 0)
        return QString();
    QFile original(m_sFileName);
    if (!original.copy(sBackup))
        return QStringLiteral("the previous version cannot be kept as \"%1\": %2")
            .arg(sBackup, original.errorString());
    return QString();
}

} // namespace values
