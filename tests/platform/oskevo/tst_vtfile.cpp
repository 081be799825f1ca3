// Vt files: round trips with the owner's version, version conflicts, FixTree, and
// failures on both sides that leave the node (reading) or the old file (writing) as it was.

#include "tst_vtxmlfixture.h"

#include "kvbase/kvexception.h"
#include "oskevo/vtfile.h"
#include "oskevo/vtfileversion.h"
#include "oskevo/vtxml.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace values;
using namespace vtxmltest;

namespace
{

// A file owner as a job manager or tree panel is one.
class Owner : public VtFileVersion
{
public:
    explicit Owner(const QString& sVersion, bool bSameMajor = false)
        : m_sVersion(sVersion), m_bSameMajor(bSameMajor)
    {
    }

    QString GetVersion() const override { return m_sVersion; }
    bool VersionConflict(const QString& sFileVersion) const override
    {
        if (m_bSameMajor)
            return sFileVersion.section(QLatin1Char('.'), 0, 0) != m_sVersion.section(QLatin1Char('.'), 0, 0);
        return VtFileVersion::VersionConflict(sFileVersion);
    }
    void FixTree(Node* pNode) override
    {
        ++m_nFixTree;
        m_pFixed = pNode;
        m_sFixedContent = DumpChildren(pNode);
    }

    QString m_sVersion;
    bool m_bSameMajor;
    int m_nFixTree = 0;
    Node* m_pFixed = nullptr;
    QString m_sFixedContent;
};

const QString s_sAccepted = QStringLiteral("<accepted>");
const QString s_sNoSetuid = QStringLiteral("<cannot drop privileges>");

QString MessageOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const KVException& exception)
    {
        return exception.GetText();
    }
    return s_sAccepted;
}

// Runs the action in a child process, unprivileged when asked (root passes every
// permission check), and hands back its message. Limits set there stay there.
QString MessageInChild(const std::function<void()>& action, bool bUnprivileged)
{
    int anPipe[2];
    if (pipe(anPipe) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t nPid = fork();
    if (nPid == 0)
    {
        close(anPipe[0]);
        QString sMessage;
        if (bUnprivileged && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            sMessage = s_sNoSetuid;
        if (sMessage.isEmpty())
            sMessage = MessageOf(action);
        const QByteArray baMessage = sMessage.toUtf8();
        const ssize_t nWritten = write(anPipe[1], baMessage.constData(), size_t(baMessage.size()));
        _exit(nWritten == baMessage.size() ? 0 : 1);
    }
    close(anPipe[1]);
    QByteArray baMessage;
    char acBuffer[4096];
    ssize_t nRead = 0;
    while ((nRead = read(anPipe[0], acBuffer, sizeof(acBuffer))) > 0)
        baMessage.append(acBuffer, int(nRead));
    close(anPipe[0]);
    int nStatus = 0;
    waitpid(nPid, &nStatus, 0);
    if (!WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
        return QStringLiteral("<child failed: %1>").arg(nStatus);
    return QString::fromUtf8(baMessage);
}

QByteArray Contents(const QString& sFileName)
{
    QFile file(sFileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

void WriteBytes(const QString& sFileName, const QByteArray& baBytes)
{
    QFile file(sFileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(baBytes), qint64(baBytes.size()));
}

Node* MakeJob(int nFds)
{
    Node* pJob = new Node(QStringLiteral("Offline"), &g_vdXmlRoot);
    pJob->SetAsStdString("job of the night shift", nullptr);
    Node* pFds = new Node(QStringLiteral("Fds"), &g_vdXmlGroup);
    pJob->AddItem(pFds);
    for (int i = 0; i < nFds; ++i)
        pFds->AddItem(MakeSample(QStringLiteral("Fd%1").arg(i)));
    pJob->AddItem(
        new ValueString(QStringLiteral("DcdName"), &g_vdXmlString, QStringLiteral("night\tshift\r\n")));
    return pJob;
}

enum WriteFailure
{
    TARGET_IS_DIRECTORY,
    DIRECTORY_MISSING,
    DIRECTORY_READ_ONLY,
    FILE_SIZE_LIMIT,
    TREE_TOO_DEEP,
    TEXT_TOO_LONG,
    KIND_UNLIKE_DESCRIPTOR,
    NUMBER_OUT_OF_RANGE,
};

enum ReadFailure
{
    FILE_MISSING,
    FILE_IS_DIRECTORY,
    FILE_IS_PIPE,
    FILE_UNREADABLE,
    FILE_EMPTY,
    FILE_PLAIN_TEXT,
    FILE_OTHER_XML,
    FILE_TRUNCATED,
    FILE_DUPLICATE_NAMES,
    FILE_TOO_LARGE,
};

} // namespace

class TestVtFile : public QObject
{
    Q_OBJECT

private slots:
    void writeAndReadBack();
    void overwriteReplacesTheWholeFile();
    void versions_data();
    void versions();
    void writeFailureKeepsOldFile_data();
    void writeFailureKeepsOldFile();
    void readFailureKeepsNode_data();
    void readFailureKeepsNode();
};

void TestVtFile::writeAndReadBack()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
    std::unique_ptr<Node> pJob(MakeJob(20));
    pJob->AddItem(new ValueString(QString::fromUtf8(" \xF0\x9F\x93\xA1\r"), nullptr, QString(QChar(0xdc00))));
    Owner owner(QStringLiteral("0.0"));
    VtFile(sFileName, pJob.get(), &owner).Write();

    const QByteArray baFile = Contents(sFileName);
    QVERIFY(baFile.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    QVERIFY(baFile.contains("<!DOCTYPE Vt>"));
    QVERIFY(baFile.contains("version=\"0.0\""));

    Node parent(QStringLiteral("Root"));
    Node* pTarget = new Node(QStringLiteral("Offline"), &g_vdXmlRoot);
    parent.AddItem(pTarget);
    pTarget->AddItem(new Node(QStringLiteral("Stale")));
    Recorder recorder(pTarget);
    VtFile(sFileName, pTarget, &owner).Read();

    QCOMPARE(DumpChildren(pTarget), DumpChildren(pJob.get()));
    QCOMPARE(recorder.Count(CC_CHILDREN), 1);
    // FixTree ran once, on the node, after the content was in place.
    QCOMPARE(owner.m_nFixTree, 1);
    QCOMPARE(owner.m_pFixed, pTarget);
    QCOMPARE(owner.m_sFixedContent, DumpChildren(pJob.get()));
}

void TestVtFile::overwriteReplacesTheWholeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
    Owner owner(QStringLiteral("0.0"));
    std::unique_ptr<Node> pLarge(MakeJob(200));
    VtFile(sFileName, pLarge.get(), &owner).Write();
    std::unique_ptr<Node> pSmall(MakeJob(1));
    VtFile(sFileName, pSmall.get(), &owner).Write();

    Node target(QStringLiteral("Offline"));
    VtFile(sFileName, &target, &owner).Read();
    QCOMPARE(DumpChildren(&target), DumpChildren(pSmall.get()));
    // No temporary file is left beside the target.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("job.xml")});
}

void TestVtFile::versions_data()
{
    QTest::addColumn<bool>("bWriteVersion");
    QTest::addColumn<QString>("sFileVersion");
    QTest::addColumn<QString>("sOwnVersion");
    QTest::addColumn<bool>("bSameMajor");
    QTest::addColumn<QStringList>("listFragments"); // empty: the file is read

    QTest::newRow("same version") << true << "0.0"
                                  << "0.0" << false << QStringList();
    QTest::newRow("newer file") << true << "1.0"
                                << "0.0" << false
                                << QStringList{"version conflict", "version \"1.0\"", "version \"0.0\""};
    QTest::newRow("older file") << true << "0.0"
                                << "0.1" << false
                                << QStringList{"version conflict", "version \"0.0\"", "version \"0.1\""};
    QTest::newRow("file without version") << false << QString() << "0.0" << false
                                          << QStringList{"version conflict", "has no version", "\"0.0\""};
    QTest::newRow("empty version") << true << ""
                                   << "0.0" << false << QStringList{"version conflict", "has version \"\""};
    QTest::newRow("owner takes its major") << true << "0.7"
                                           << "0.0" << true << QStringList();
    QTest::newRow("owner refuses another major")
        << true << "1.0"
        << "0.0" << true << QStringList{"version conflict", "\"1.0\""};
    QTest::newRow("version with control character") << true << "0.0\x01"
                                                    << "0.0\x01" << false << QStringList();
}

void TestVtFile::versions()
{
    QFETCH(bool, bWriteVersion);
    QFETCH(QString, sFileVersion);
    QFETCH(QString, sOwnVersion);
    QFETCH(bool, bSameMajor);
    QFETCH(QStringList, listFragments);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
    std::unique_ptr<Node> pJob(MakeJob(3));
    Owner writer(sFileVersion);
    VtFile(sFileName, pJob.get(), bWriteVersion ? &writer : nullptr).Write();

    std::unique_ptr<Node> pTarget(MakeJob(1));
    pTarget->SetAsStdString("before", nullptr);
    const QString sBefore = DumpChildren(pTarget.get());
    Owner reader(sOwnVersion, bSameMajor);
    const QString sMessage = MessageOf([&] { VtFile(sFileName, pTarget.get(), &reader).Read(); });
    if (listFragments.isEmpty())
    {
        QCOMPARE(sMessage, s_sAccepted);
        QCOMPARE(DumpChildren(pTarget.get()), DumpChildren(pJob.get()));
        QCOMPARE(reader.m_nFixTree, 1);
        return;
    }
    for (const QString& sFragment : listFragments)
        QVERIFY2(sMessage.contains(sFragment), qPrintable(sMessage));
    QVERIFY2(sMessage.contains(sFileName), qPrintable(sMessage));
    QCOMPARE(DumpChildren(pTarget.get()), sBefore);
    QCOMPARE(reader.m_nFixTree, 0);
}

void TestVtFile::writeFailureKeepsOldFile_data()
{
    QTest::addColumn<int>("nFailure");
    QTest::addColumn<QString>("sFragment");
    QTest::newRow("target is a directory") << int(TARGET_IS_DIRECTORY) << "it is a directory";
    QTest::newRow("directory missing") << int(DIRECTORY_MISSING) << "No such file or directory";
    QTest::newRow("read-only directory") << int(DIRECTORY_READ_ONLY) << "Permission denied";
    QTest::newRow("file size limit") << int(FILE_SIZE_LIMIT) << "File too large";
    QTest::newRow("tree too deep to read back") << int(TREE_TOO_DEEP) << "nested deeper than 256 levels";
    QTest::newRow("text too long to read back") << int(TEXT_TOO_LONG) << "more than the 1048576";
    QTest::newRow("kind unlike its descriptor")
        << int(KIND_UNLIKE_DESCRIPTOR) << "it is a string, but its descriptor \"XmlDouble\" is for a double";
    QTest::newRow("number out of range") << int(NUMBER_OUT_OF_RANGE) << "11 is out of the range [0, 10]";
}

void TestVtFile::writeFailureKeepsOldFile()
{
    QFETCH(int, nFailure);
    QFETCH(QString, sFragment);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString sFolder = dir.path();
    if (nFailure == DIRECTORY_READ_ONLY)
    {
        // The unprivileged writer must reach the folder, but may not write into it.
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                      QFileDevice::ExeOther));
        sFolder = dir.filePath(QStringLiteral("readonly"));
        QVERIFY(QDir().mkdir(sFolder));
    }
    const QString sFileName = nFailure == DIRECTORY_MISSING ? dir.filePath(QStringLiteral("missing/job.xml"))
                                                            : sFolder + QStringLiteral("/job.xml");
    Owner owner(QStringLiteral("0.0"));
    std::unique_ptr<Node> pOld(MakeJob(2));
    if (nFailure == TARGET_IS_DIRECTORY)
    {
        QVERIFY(QDir().mkdir(sFileName));
        WriteBytes(sFileName + QStringLiteral("/inside.txt"), "kept");
    }
    else if (nFailure != DIRECTORY_MISSING)
    {
        VtFile(sFileName, pOld.get(), &owner).Write();
    }
    const QByteArray baBefore = Contents(sFileName);
    const QStringList listBefore =
        QDir(sFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    std::unique_ptr<Node> pNew(MakeJob(50));
    if (nFailure == TREE_TOO_DEEP)
    {
        Node* pNode = pNew.get();
        for (int i = 0; i < VtXml::s_nMaxDepth; ++i)
        {
            Node* pChild = new Node(QStringLiteral("Level"));
            pNode->AddItem(pChild);
            pNode = pChild;
        }
    }
    if (nFailure == KIND_UNLIKE_DESCRIPTOR)
        pNew->AddItem(new ValueString(QStringLiteral("Odd"), &g_vdXmlDouble, QStringLiteral("1.5")));
    if (nFailure == NUMBER_OUT_OF_RANGE)
        pNew->AddItem(new ValueInt(QStringLiteral("Odd"), &g_vdXmlIntRange, 11));
    if (nFailure == TEXT_TOO_LONG)
        pNew->AddItem(new ValueString(QStringLiteral("Huge"), &g_vdXmlString,
                                      QString(VtXml::s_nMaxAttributeLength + 1, QLatin1Char('h'))));

    const auto write = [&] { VtFile(sFileName, pNew.get(), &owner).Write(); };
    QString sMessage;
    if (nFailure == DIRECTORY_READ_ONLY)
    {
        // The file itself may be written: only the folder refuses the new one.
        QVERIFY(QFile::setPermissions(sFileName, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ReadOther | QFileDevice::WriteOther));
        QVERIFY(QFile::setPermissions(sFolder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther));
        sMessage = MessageInChild(write, true);
        QFile::setPermissions(sFolder,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (sMessage == s_sNoSetuid)
            QSKIP("cannot drop root privileges here");
    }
    else if (nFailure == FILE_SIZE_LIMIT)
    {
        sMessage = MessageInChild(
            [&]
            {
                // The old file is smaller than the limit, the new one larger.
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit limit{};
                getrlimit(RLIMIT_FSIZE, &limit);
                limit.rlim_cur = rlim_t(baBefore.size() + 100);
                setrlimit(RLIMIT_FSIZE, &limit);
                write();
            },
            false);
    }
    else
    {
        sMessage = MessageOf(write);
    }

    QVERIFY2(sMessage.contains(sFragment), qPrintable(sMessage));
    QVERIFY2(sMessage.contains(sFileName), qPrintable(sMessage));
    QCOMPARE(Contents(sFileName), baBefore);
    QCOMPARE(QDir(sFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), listBefore);
    if (nFailure == TARGET_IS_DIRECTORY)
        QCOMPARE(Contents(sFileName + QStringLiteral("/inside.txt")), QByteArray("kept"));
    if (nFailure != TARGET_IS_DIRECTORY && nFailure != DIRECTORY_MISSING)
    {
        Node check(QStringLiteral("Offline"));
        VtFile(sFileName, &check, &owner).Read();
        QCOMPARE(DumpChildren(&check), DumpChildren(pOld.get()));
    }
}

void TestVtFile::readFailureKeepsNode_data()
{
    QTest::addColumn<int>("nFailure");
    QTest::addColumn<QString>("sFragment");
    QTest::newRow("missing") << int(FILE_MISSING) << "does not exist";
    QTest::newRow("directory") << int(FILE_IS_DIRECTORY) << "not a regular file";
    QTest::newRow("pipe") << int(FILE_IS_PIPE) << "not a regular file";
    QTest::newRow("unreadable") << int(FILE_UNREADABLE) << "Permission denied";
    QTest::newRow("empty") << int(FILE_EMPTY) << "root element is missing";
    QTest::newRow("plain text") << int(FILE_PLAIN_TEXT) << "malformed XML";
    QTest::newRow("another XML document") << int(FILE_OTHER_XML) << "<!DOCTYPE Vt> is missing";
    QTest::newRow("truncated") << int(FILE_TRUNCATED) << "malformed XML";
    QTest::newRow("duplicate names") << int(FILE_DUPLICATE_NAMES) << "is used twice";
    QTest::newRow("too large") << int(FILE_TOO_LARGE) << "bytes, more than 67108864";
}

void TestVtFile::readFailureKeepsNode()
{
    QFETCH(int, nFailure);
    QFETCH(QString, sFragment);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString sFileName = dir.filePath(QStringLiteral("job.xml"));
    Owner owner(QStringLiteral("0.0"));
    std::unique_ptr<Node> pGood(MakeJob(5));
    VtFile(sFileName, pGood.get(), &owner).Write();
    QByteArray baGood = Contents(sFileName);

    switch (nFailure)
    {
    case FILE_MISSING:
        QVERIFY(QFile::remove(sFileName));
        break;
    case FILE_IS_DIRECTORY:
        QVERIFY(QFile::remove(sFileName));
        QVERIFY(QDir().mkdir(sFileName));
        break;
    case FILE_IS_PIPE:
        QVERIFY(QFile::remove(sFileName));
        QCOMPARE(mkfifo(QFile::encodeName(sFileName).constData(), 0600), 0);
        break;
    case FILE_UNREADABLE:
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner | QFileDevice::ExeOther));
        QVERIFY(QFile::setPermissions(sFileName, QFileDevice::WriteOwner));
        break;
    case FILE_EMPTY:
        WriteBytes(sFileName, QByteArray());
        break;
    case FILE_PLAIN_TEXT:
        WriteBytes(sFileName, "Offline job: 100 MHz to 200 MHz\n");
        break;
    case FILE_OTHER_XML:
        WriteBytes(sFileName, "<?xml version=\"1.0\"?>\n<html><body/></html>\n");
        break;
    case FILE_TRUNCATED:
        WriteBytes(sFileName, baGood.left(baGood.size() / 2));
        break;
    case FILE_DUPLICATE_NAMES:
        WriteBytes(sFileName, baGood.replace("name=\"Fd1\"", "name=\"Fd0\""));
        break;
    case FILE_TOO_LARGE:
    {
        QFile file(sFileName);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(qint64(VtXml::s_nMaxTextLength) + 1)); // sparse: costs no disk
        break;
    }
    }

    std::unique_ptr<Node> pTarget(MakeJob(1));
    const QString sBefore = DumpChildren(pTarget.get());
    Recorder recorder(pTarget.get());
    const auto read = [&] { VtFile(sFileName, pTarget.get(), &owner).Read(); };
    QString sMessage;
    if (nFailure == FILE_UNREADABLE)
    {
        sMessage = MessageInChild(read, true);
        if (sMessage == s_sNoSetuid)
            QSKIP("cannot drop root privileges here");
    }
    else
    {
        sMessage = MessageOf(read);
    }

    QVERIFY2(sMessage.contains(sFragment), qPrintable(sMessage));
    QVERIFY2(sMessage.contains(sFileName), qPrintable(sMessage));
    QCOMPARE(DumpChildren(pTarget.get()), sBefore);
    QVERIFY(recorder.m_vecCodes.empty());
    QCOMPARE(owner.m_nFixTree, 0);
}

QTEST_GUILESS_MAIN(TestVtFile)
#include "tst_vtfile.moc"
