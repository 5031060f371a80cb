// Loads a file the user named (opened, dropped, given on the command line)
// without import dialogs: a LAS file by name, a text table with the choices
// the import dialog would preselect. The file is read in the code page its
// bytes suggest; the library's code page is put back afterwards, so that the
// interactive loads keep theirs.
#pragma once

#include "LoadedData.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class CProgressCtrl;

class ByNameLoader {
    Q_DECLARE_TR_FUNCTIONS(ByNameLoader)
public:
    explicit ByNameLoader(CProgressCtrl* progress) : m_progress(progress) {}

    // The records of `path` read as `kind`, or as the kind it looks like;
    // nothing, with `error` set, when the file cannot be loaded that way.
    // `shownByLibrary` tells whether the library has shown its own message
    // about it already.
    std::optional<LoadedData> Load(const QString& path, std::optional<DataKind> kind,
                                   QString& error, bool& shownByLibrary);

private:
    std::optional<LoadedData> LoadAs(const QString& path, DataKind kind, QString& error,
                                     bool& shownByLibrary);
    template <class Choices>
    std::optional<LoadedData> LoadTable(const std::wstring& path, DataKind kind,
                                        const Choices& choices, QString& error);

    CProgressCtrl* m_progress;
};
