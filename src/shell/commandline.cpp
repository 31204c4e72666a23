// commandline.cpp - the option table and the printing modes.
#include "shell/commandline.h"

#include "core/app/appinfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace prismara {

namespace {
[[maybe_unused]] QCommandLineOption Option(const QStringList& names, const char* description, const char* valueName = "")
{
    QCommandLineOption option(names, QString::fromUtf8(description));
    if (*valueName)
        option.setValueName(QString::fromUtf8(valueName));
    return option;
}
} // namespace

QList<QCommandLineOption> CommandLineOptions()
{
    // One row per option, in the order --help lists them.
    return {
    };
}

const QList<PrintingMode>& PrintingModes()
{
    static const QList<PrintingMode> modes = {};
    return modes;
}

void SetUpParser(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("%1 - colour picker and colour-scheme designer").arg(QString::fromUtf8(kProductName)));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions(CommandLineOptions());
}

const PrintingMode* RequestedPrintingMode(const QCommandLineParser& parser)
{
    for (const PrintingMode& mode : PrintingModes())
        if (parser.isSet(mode.option))
            return &mode;
    return nullptr;
}

} // namespace prismara
