#pragma once
#include <QString>

// Process-wide values set once at start-up and read everywhere. The role
// values are set again by every screen window when it is created.
struct Session {
    static inline QString exeDir;         // program folder, always ends in '/'
    static inline QString workstationIp;  // first IPv4 of the host name, or empty
    static inline QString empNo;
    static inline QString empName;
    static inline QString dbDisplayName;
    static inline QString dbUser;         // second launcher argument
    static inline QString programBaseName;  // program file name without directory and extension

    static inline QString siteCode, siteName;
    static inline QString teamCode, teamName;
    static inline QString outletCode, outletName;

    // Upper-cased base name of the program file: the project ID of the menu
    // tables, and the stem of the role file and the SQL log.
    static QString projectId() { return programBaseName.toUpper(); }
};
