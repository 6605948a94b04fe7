#pragma once

#include <string>
#include <vector>

// The commands of zavr-cli. Each gets the arguments after its name and returns the exit status.
struct Befehl {
    const char* name;
    const char* beschreibung;  // one line for the overview of `zavr-cli --help`
    int (*ausfuehren)(const std::vector<std::string>& argumente);
};

int DesignBefehl(const std::vector<std::string>& argumente);
int DxfBefehl(const std::vector<std::string>& argumente);
int SetBefehl(const std::vector<std::string>& argumente);
int SkizzeBefehl(const std::vector<std::string>& argumente);  // only in builds with Qt (ZAVR_SKIZZEN)
int ReportBefehl(const std::vector<std::string>& argumente);  // only in builds with Qt (ZAVR_SKIZZEN)
int BillBefehl(const std::vector<std::string>& argumente);    // only in builds with Qt (ZAVR_SKIZZEN)
int TableBefehl(const std::vector<std::string>& argumente);   // only in builds with Qt (ZAVR_SKIZZEN)
struct Argumente;
int DxfRender(const Argumente& argumente);  // `dxf render`, only in builds with Qt (ZAVR_SKIZZEN)

// Exit statuses shared by the commands.
constexpr int ExitOk = 0;
constexpr int ExitPruefungFehlgeschlagen = 1;  // a position failed its checks; a drawing was read in part
constexpr int ExitDateiFehler = 2;             // file unreadable, foreign or not writable; wrong arguments
