// dravinel-job run as a process over job and list files of a temporary folder: each command's
// exit code and message, the files it may and may not change, and lossless list round trips.

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestJobTool : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void command_data();
    void command();
    void roundTrip_data();
    void roundTrip();

private:
    // Runs the tool with "{dir}" in the arguments replaced by the folder; answers the exit code.
    int Run(QStringList listArgs, QString* pOutput = nullptr);
    QMap<QString, QByteArray> Files() const;
    void Write(const QString& sName, const QByteArray& data);

    std::unique_ptr<QTemporaryDir> m_pDir;
};

int TestJobTool::Run(QStringList listArgs, QString* pOutput)
{
    listArgs.replaceInStrings(QStringLiteral("{dir}"), m_pDir->path());
    QProcess process;
    process.start(QStringLiteral(DRAVINEL_JOB_TOOL), listArgs);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (pOutput)
        *pOutput = QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    return process.exitCode();
}

QMap<QString, QByteArray> TestJobTool::Files() const
{
    QMap<QString, QByteArray> files;
    for (const QString& sName : QDir(m_pDir->path()).entryList(QDir::Files))
    {
        QFile file(m_pDir->filePath(sName));
        files[sName] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    return files;
}

void TestJobTool::Write(const QString& sName, const QByteArray& data)
{
    QFile file(m_pDir->filePath(sName));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
}

void TestJobTool::init()
{
    m_pDir.reset(new QTemporaryDir);
    // The editor's form with ranges, a single frequency (Frequency only), an escaped tab and
    // backslash, a comma, quotes and non-ASCII text.
    Write("list.tsv", "FrequencyListCopyStruct\r\n"
                      "Frequency\tName\tBandwidth\tStart\tStop\tSuppressed\r\n"
                      "\tBand A\t\t10e6\t20e6\ttrue\r\n"
                      "\r\n"
                      "\t\xc3\x84rztefunk, Kanal \"7\"\t\t87500000.000000015\t108000000\tfalse\r\n"
                      "145500000\tTab\\there\\\\x\t12500\t\t\t\r\n");
    Write("badline.tsv", "FrequencyListCopyStruct\nStart\tName\n1e6\tok\nmany\tbad\n");
    Write("quote.csv", "Start,Stop,Name,Suppressed\n1e6,2e6,\"open,false\n");
    QString sOutput;
    QCOMPARE(Run({"import", "{dir}/list.tsv", "-o", "{dir}/job.xml"}, &sOutput), 0);
    QVERIFY(QFile::copy(m_pDir->filePath("job.xml"), m_pDir->filePath("cut.xml")));
    QFile cut(m_pDir->filePath("cut.xml"));
    QVERIFY(cut.open(QIODevice::ReadWrite) && cut.resize(cut.size() / 2));
}

void TestJobTool::command_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("listArgs");
    QTest::addColumn<int>("nExit");
    QTest::addColumn<QString>("sOutput");  // a fragment of standard output and error
    QTest::addColumn<QString>("sChanged"); // the one file the command may change
    QTest::addColumn<QString>("sCsv");     // a fragment of the job's list afterwards
    QTest::newRow("help") << QStringList{"--help"} << 0 << "suppress JOB.xml START STOP" << "" << "";
    QTest::newRow("no command") << QStringList{} << 2 << "no command" << "" << "";
    QTest::newRow("unknown command") << QStringList{"merge", "{dir}/job.xml"} << 2 << "unknown command" << "" << "";
    QTest::newRow("unknown option") << QStringList{"show", "--frob", "{dir}/job.xml"} << 2 << "frob" << "" << "";
    QTest::newRow("show") << QStringList{"show", "{dir}/job.xml"} << 0
                          << "  10000000   20000000  Band A                yes\n" << "" << "";
    QTest::newRow("show, escaped tab") << QStringList{"show", "{dir}/job.xml"} << 0
                                       << "145500000  Tab\\there\\\\x" << "" << "";
    QTest::newRow("show, cut file") << QStringList{"show", "{dir}/cut.xml"} << 1 << "at line" << "" << "";
    QTest::newRow("check") << QStringList{"check", "{dir}/job.xml"} << 0 << "good job file with 3" << "" << "";
    QTest::newRow("check, cut file") << QStringList{"check", "{dir}/cut.xml"} << 1 << ", column " << "" << "";
    QTest::newRow("check, missing") << QStringList{"check", "{dir}/none.xml"} << 1 << "does not exist" << "" << "";
    QTest::newRow("check, a list") << QStringList{"check", "{dir}/list.tsv"} << 1 << "Cannot read" << "" << "";
    QTest::newRow("export, bad format") << QStringList{"export", "{dir}/job.xml", "-f", "xls"} << 2 << "xls" << "" << "";
    QTest::newRow("export to file") << QStringList{"export", "{dir}/job.xml", "-f", "csv", "-o", "{dir}/out.csv"}
                                    << 0 << "" << "out.csv" << "";
    QTest::newRow("export over its job") << QStringList{"export", "{dir}/job.xml", "-o", "{dir}/./job.xml"}
                                         << 2 << "overwrite its own job" << "" << "";
    QTest::newRow("import, no job") << QStringList{"import", "{dir}/list.tsv"} << 2 << "-o JOB.xml" << "" << "";
    QTest::newRow("import, bad line") << QStringList{"import", "{dir}/badline.tsv", "-o", "{dir}/job.xml"} << 1
                                      << "line 4: start: \"many\" is not a frequency" << "" << "";
    QTest::newRow("import, open quote") << QStringList{"import", "{dir}/quote.csv", "-o", "{dir}/job.xml"} << 1
                                        << "line 2: a quoted field is not closed" << "" << "";
    QTest::newRow("import, job as list") << QStringList{"import", "{dir}/job.xml", "-o", "{dir}/cut.xml"} << 1
                                         << "FrequencyListCopyStruct" << "" << "";
    QTest::newRow("suppress, merged") << QStringList{"suppress", "{dir}/job.xml", "15e6", "30e6"} << 0 << ""
                                      << "job.xml" << "\r\n10000000,30000000,Band A,true\r\n";
    QTest::newRow("suppress, inside") << QStringList{"suppress", "{dir}/job.xml", "12e6", "14e6"} << 0 << "unchanged"
                                      << "" << "\r\n10000000,20000000,Band A,true\r\n87500000";
    QTest::newRow("unsuppress, split") << QStringList{"unsuppress", "{dir}/job.xml", "12e6", "14e6"} << 0 << ""
                                       << "job.xml" << "10000000,12000000,Band A,true\r\n";
    QTest::newRow("unsuppress, bad number") << QStringList{"unsuppress", "{dir}/job.xml", "12 MHz", "14e6"} << 2
                                            << "\"12 MHz\" is not a frequency" << "" << "";
    QTest::newRow("suppress, out of range") << QStringList{"suppress", "{dir}/job.xml", "--", "-5", "14e6"} << 2
                                            << "lies outside" << "" << "";
    QTest::newRow("suppress, cut file") << QStringList{"suppress", "{dir}/cut.xml", "1e6", "2e6"} << 1
                                        << "Cannot read" << "" << "";
    QTest::newRow("suppress, arguments") << QStringList{"suppress", "{dir}/job.xml", "1e6"} << 2
                                         << "usage: dravinel-job suppress" << "" << "";
    // clang-format on
}

void TestJobTool::command()
{
    QFETCH(QStringList, listArgs);
    QFETCH(int, nExit);
    QFETCH(QString, sOutput);
    QFETCH(QString, sChanged);
    QFETCH(QString, sCsv);
    const QMap<QString, QByteArray> before = Files();
    QString sText;
    QCOMPARE(Run(listArgs, &sText), nExit);
    QVERIFY2(sText.contains(sOutput), qPrintable(sText));
    const QMap<QString, QByteArray> after = Files();
    for (auto it = before.begin(); it != before.end(); ++it)
        if (it.key() != sChanged)
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
    if (sCsv.isEmpty())
        return;
    QCOMPARE(Run({"export", "{dir}/job.xml", "--format", "csv"}, &sText), 0);
    QVERIFY2(sText.contains(sCsv), qPrintable(sText));
}

void TestJobTool::roundTrip_data()
{
    QTest::addColumn<QString>("sFormat");
    QTest::addColumn<QString>("sName"); // how the tricky name is written in that form
    QTest::newRow("tsv") << "tsv"
                         << "\t\xc3\x84rztefunk, Kanal \"7\"\t";
    QTest::newRow("csv") << "csv"
                         << ",\"\xc3\x84rztefunk, Kanal \"\"7\"\"\",";
}

void TestJobTool::roundTrip()
{
    QFETCH(QString, sFormat);
    QFETCH(QString, sName);
    const QString sList = "{dir}/list." + sFormat;
    QString sFirst;
    QCOMPARE(Run({"export", "{dir}/job.xml", "--format", sFormat}, &sFirst), 0);
    QVERIFY2(sFirst.contains(sName), qPrintable(sFirst));
    QVERIFY2(sFirst.contains("87500000.00000001"), qPrintable(sFirst));
    QCOMPARE(Run({"export", "{dir}/job.xml", "-f", sFormat, "-o", sList}), 0);
    QCOMPARE(Run({"import", sList, "-o", "{dir}/again.xml"}), 0);
    QString sSecond;
    QCOMPARE(Run({"export", "{dir}/again.xml", "--format", sFormat}, &sSecond), 0);
    QCOMPARE(sSecond, sFirst);
}

QTEST_GUILESS_MAIN(TestJobTool)
#include "tst_jobtool.moc"
