#pragma once

#include <QString>

#include <stdexcept>

namespace tragvel {

// An unexpected failure of a command (a text that does not convert where nothing checks it first,
// a file that cannot be opened or created). It ends the command and its text is shown in the
// application's standard error box by the handler boundary.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const noexcept { return m_text; }

private:
    QString m_text;
};

// A text that is not a number: "'%s' is not a valid floating point value" and its integer twin.
class ConversionError : public Error
{
public:
    using Error::Error;
};

// A file that cannot be opened, read, created or written; the text names the reason and the path.
class FileError : public Error
{
public:
    using Error::Error;
};

} // namespace tragvel
