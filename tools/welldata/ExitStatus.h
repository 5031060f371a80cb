// The exit statuses of the welldata command.
#pragma once

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitLoadFailed = 1, // a file could not be loaded, or an output not written
    kExitUsage = 2,      // the command line itself is wrong
};
