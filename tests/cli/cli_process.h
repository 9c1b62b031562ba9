// Runs the real quorrel-cli executable for a test and keeps its exit
// status, its standard output and its standard error.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <string>

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliResult runCli(const QStringList& arguments, const QByteArray& standardInput = {})
{
    QProcess process;
    process.start(QUORREL_CLI_PATH, arguments);
    process.write(standardInput);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}
