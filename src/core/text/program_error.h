#pragma once

#include <QString>

#include <exception>

// An operation that fails throws this; the handler that catches it shows the
// error box and abandons the action.
struct ProgramError : std::exception {
    ProgramError(int number, const QString& description, const QString& source)
        : number(number), description(description), source(source) {}

    [[nodiscard]] const char* what() const noexcept override { return "ProgramError"; }

    int number = 0;
    QString description;
    QString source;
};

// The classic error numbers of a failed file operation.
inline constexpr int FileNotFoundErrorNumber = 53;
inline constexpr int FileAccessErrorNumber = 75;

// A failed file operation, as a file access error.
[[nodiscard]] ProgramError FileError(const QString& description, const QString& source);

// The title of the error box.
inline const QString ErrorReportTitle = QStringLiteral("Chyba");

// The message of the error box: the error's number, description and source,
// the note that the action was abandoned, then the extra text; lines end with
// CR LF, so an empty extra text leaves the message ending in a line break.
[[nodiscard]] QString ErrorReportText(const ProgramError& error, const QString& extra);
