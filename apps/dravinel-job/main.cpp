// dravinel-job: job files from scripts. Exit codes: 0 done, 1 a file that cannot be read or
// written (or a failed check), 2 a wrong command line.

#include "jobcommands.h"
#include "kvbase/errorhandler.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace
{

const char* const s_pszCommands =
    "Commands:\n"
    "  show JOB.xml                    the job's name and frequency definitions\n"
    "  export JOB.xml --format tsv|csv the frequency list (to -o FILE or stdout)\n"
    "  import LIST.tsv|LIST.csv -o JOB.xml\n"
    "                                  a new job with the list's definitions\n"
    "  suppress JOB.xml START STOP     adds a suppress range (Hz), merged\n"
    "  unsuppress JOB.xml START STOP   removes a range from the suppress ranges\n"
    "  check JOB.xml                   reads the job strictly, says what is wrong\n"
    "\n"
    "Job files are written atomically; the previous one is kept as JOB.xml~.\n"
    "Exit codes: 0 done, 1 bad file or failed check, 2 wrong command line.";

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dravinel-job"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.0"));
    // The tool says what went wrong itself, once, on standard error.
    ErrorHandler::Instance()->SetSink([](const ErrorHandler::Report&) {});

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows, checks and edits job files.\n\n") +
                                     QLatin1String(s_pszCommands));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption format(
        {QStringLiteral("f"), QStringLiteral("format")},
        QStringLiteral("The list's form: tsv (the frequency editor's paste form) or csv."),
        QStringLiteral("tsv|csv"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The file to write."), QStringLiteral("FILE"));
    parser.addOptions({format, output});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("show, export, import, suppress, "
                                                                           "unsuppress or check"));
    parser.addPositionalArgument(QStringLiteral("arguments"),
                                 QStringLiteral("The command's files and numbers."),
                                 QStringLiteral("[arguments...]"));

    JobCommands commands;
    if (!parser.parse(QCoreApplication::arguments()))
        return commands.Fail(JobCommands::ExitUsage, parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(JobCommands::ExitOk);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    const QStringList listArgs = parser.positionalArguments();
    const QString sCommand = listArgs.value(0);
    const int nArgs = listArgs.size() - 1;
    const auto usage = [&](const QString& sForm)
    { return commands.Fail(JobCommands::ExitUsage, QStringLiteral("usage: dravinel-job ") + sForm); };
    if (sCommand.isEmpty())
        return commands.Fail(JobCommands::ExitUsage, QStringLiteral("no command given (see --help)"));
    if (sCommand == QLatin1String("show"))
        return nArgs == 1 ? commands.Show(listArgs.at(1)) : usage(QStringLiteral("show JOB.xml"));
    if (sCommand == QLatin1String("check"))
        return nArgs == 1 ? commands.Check(listArgs.at(1)) : usage(QStringLiteral("check JOB.xml"));
    if (sCommand == QLatin1String("export"))
    {
        if (nArgs != 1)
            return usage(QStringLiteral("export JOB.xml --format tsv|csv [-o FILE]"));
        return commands.Export(listArgs.at(1),
                               parser.isSet(format) ? parser.value(format) : QStringLiteral("tsv"),
                               parser.value(output));
    }
    if (sCommand == QLatin1String("import"))
    {
        if (nArgs != 1)
            return usage(QStringLiteral("import LIST.tsv|LIST.csv -o JOB.xml"));
        return commands.Import(listArgs.at(1), parser.value(format), parser.value(output));
    }
    if (sCommand == QLatin1String("suppress") || sCommand == QLatin1String("unsuppress"))
    {
        if (nArgs != 3)
            return usage(sCommand + QStringLiteral(" JOB.xml START STOP"));
        return commands.Suppress(listArgs.at(1), listArgs.at(2), listArgs.at(3),
                                 sCommand == QLatin1String("suppress"));
    }
    return commands.Fail(JobCommands::ExitUsage,
                         QStringLiteral("unknown command \"%1\" (see --help)").arg(sCommand));
}
