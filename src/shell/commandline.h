// commandline.h - the program's command line: one table of options, and the modes that only
// print (they run without a display and without the main window).
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

class QCommandLineParser;
class QTextStream;

namespace prismara {

struct PrintFormat;

// A mode that prints its answer and ends: `option` names the option that starts it; `run`
// returns the exit status (0 success, 1 failure or cancel, 2 input that was not understood).
struct PrintingMode
{
    QString option;
    std::function<int(const QCommandLineParser& parser, QTextStream& out, QTextStream& err)> run;
};

// Every option the program understands, in the order `--help` lists them.
QList<QCommandLineOption> CommandLineOptions();

// The printing modes, in order of precedence when several are given.
const QList<PrintingMode>& PrintingModes();

// Sets up `parser` with the description, --help, --version and every option.
void SetUpParser(QCommandLineParser& parser);

// What --pick asks for: picking, and with --print the format the colour taken is printed in.
struct PickRequest
{
    bool wanted = false;
    bool print = false;
    const PrintFormat* format = nullptr; // with print
};

// The pick `parser` asks for; nullopt after one line on `err` when it cannot be done (--print
// without --pick, a format that is not a print format).
std::optional<PickRequest> RequestedPick(const QCommandLineParser& parser, QTextStream& err);

// The printing mode `parser` asks for, or nullptr when the program should open its window.
const PrintingMode* RequestedPrintingMode(const QCommandLineParser& parser);

} // namespace prismara
