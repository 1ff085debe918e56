#pragma once

#include <string>

namespace velnorix {

// The calculator's settings: the interface language, kept in an INI file named
// after the executable ("velnorix" keeps "velnorix.ini" beside it). Read when
// constructed, written back when destroyed, whether or not the flag changed.
class TIniDatas {
public:
    std::string IniFileName;
    bool bChinese = true;

    // exeName: the full path of the running executable.
    explicit TIniDatas(std::string exeName);
    ~TIniDatas();
    TIniDatas(const TIniDatas &) = delete;
    TIniDatas &operator=(const TIniDatas &) = delete;

    void SetDefaults();
    void MakeIniFileName();
    void ReadDatas();
    // Raises EIniFileException when the file cannot be written.
    void WriteDatas();

private:
    std::string ExeName;

    std::string BesideExecutable() const;
};

} // namespace velnorix
