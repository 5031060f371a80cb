// The header of a multi-well batch: the union of the curve names of the
// batch's well log files, read from each file's header only, written to the
// scratch file "MultiHeader.txt" beside the host program, which the multi-well
// import dialog then reads back as a text table whose only row is the union.
//
// The file holds one line without a line end: each name followed by a blank,
// blanks at both ends of the whole text removed, in the data code page,
// converted in pieces of at most 255 UTF-16 characters written back to back,
// then a NUL in the same code page (one byte; two in UTF-16).
//
// Usage (the batch preparation):
//   MultiWellHeader header;
//   if (!header.ReadFiles(reader, paths, loadFileName)) return false;
//   if (!header.GetFailedFiles().empty()) ShowInformation(header.FailedFilesMessage());
//   header.Write(MultiWellHeader::FilePath());
#pragma once

#include <string>
#include <string_view>
#include <vector>

class CDataFileReader;

namespace welldata {

class MultiWellHeader {
public:
    static constexpr const wchar_t* kFileName = L"MultiHeader.txt";
    // Characters (UTF-16 code units) converted to the code page at a time.
    static constexpr size_t kPieceLength = 255;

    // Adds `name` with white space trimmed at both ends and one leading "#"
    // dropped, unless the union holds it already in any letter case.
    void AddName(std::wstring_view name);
    void AddNames(const std::vector<std::wstring>& names);

    // Adds the curve names of each file of `paths` in order, read with
    // `reader` in its data format: a LAS file's "~C" mnemonics ("DEPT" in any
    // case spelled "DEPTH") from a preview read, a text table's header cells
    // from its first 15 lines. A LAS file that cannot be read is removed from
    // `paths` and listed in GetFailedFiles(). `loadFileName` follows the file
    // being read. False, at once, when a LAS file reads without a curve section.
    bool ReadFiles(CDataFileReader& reader, std::vector<std::wstring>& paths,
                   std::wstring& loadFileName);

    const std::vector<std::wstring>& GetNames() const { return m_names; }
    const std::vector<std::wstring>& GetFailedFiles() const { return m_failedFiles; }
    // "以下文件存在错误，将不会被加载，请检查文件数据！", CR LF, then the failed
    // files' names, each followed by a tab, every third by CR LF instead.
    std::wstring FailedFilesMessage() const;

    // The names each followed by a blank, trimmed of blanks at both ends.
    std::wstring GetText() const;
    // The file's bytes: the text in the data code page, piece by piece, and a NUL.
    std::string Encode() const;
    // Creates or truncates the file at `path` and writes Encode() into it;
    // false, writing nothing, when the file cannot be created.
    bool Write(const std::wstring& path) const;

    // "MultiHeader.txt" in the folder of the running program's executable, or
    // in the folder SetFolder chose.
    static std::wstring FilePath();
    // Puts the header file into `folder` instead (a test's own folder, so that
    // batches of parallel test programs do not share one file); an empty
    // folder restores the executable's.
    static void SetFolder(const std::wstring& folder);

private:
    bool ReadLasNames(CDataFileReader& reader, bool& failed);
    void ReadTableNames(CDataFileReader& reader);

    std::vector<std::wstring> m_names;
    std::vector<std::wstring> m_failedFiles;
};

} // namespace welldata
