// Which kind of well data a file holds, judged as a user would from its name
// and its first lines: a LAS file by its extension or its "~V" line; of the
// text tables, a rock core description by its top, bottom and description
// columns, well heads by unique well names with X and Y, a well path by a
// complete layout, and a depth table as a log when its depths step evenly,
// as rock core analysis otherwise.
#pragma once

#include "LoadedData.h"

#include <QString>

class FileKindGuess {
public:
    static DataKind Guess(const QString& path);

private:
    static bool LooksLikeLas(const QString& path);
    static bool LooksLikeCoreDescription(const std::wstring& path);
    static bool LooksLikeWellHeads(const std::wstring& path);
    static bool LooksLikeWellPath(const std::wstring& path);
    static bool HasEvenDepthSteps(const std::wstring& path);
};
