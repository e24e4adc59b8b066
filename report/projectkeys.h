#pragma once

#include <QLatin1StringView>
#include <QString>

// The keys of the project file.
namespace tragvel::project::keys {

inline constexpr QLatin1StringView format{"format"};
inline constexpr QLatin1StringView formatName{"tragvel-project"};
inline constexpr QLatin1StringView version{"version"};
inline constexpr QLatin1StringView minorVersion{"minorVersion"};
inline constexpr QLatin1StringView grids{"grids"};
inline constexpr QLatin1StringView edits{"edits"};
inline constexpr QLatin1StringView fontSize{"fontSize"};
inline constexpr QLatin1StringView directories{"directories"};
inline constexpr QLatin1StringView document{"document"};
inline constexpr QLatin1StringView text{"text"};
inline constexpr QLatin1StringView size{"size"};
inline constexpr QLatin1StringView bold{"bold"};
inline constexpr QLatin1StringView italic{"italic"};
inline constexpr QLatin1StringView underline{"underline"};
inline constexpr QLatin1StringView strikeout{"strikeout"};

// The controls' names: StringGrid1.., Edit1.., DirectoryListBox1.. for index 0...
inline QString gridName(int index) { return QStringLiteral("StringGrid%1").arg(index + 1); }
inline QString editName(int index) { return QStringLiteral("Edit%1").arg(index + 1); }
inline QString directoryName(int index) { return QStringLiteral("DirectoryListBox%1").arg(index + 1); }

} // namespace tragvel::project::keys
