// The forms the command writes a result in.
#pragma once

enum class OutputFormat {
    Summary, // a readable table per file (the default)
    Csv,     // the full data as comma-separated values
    Json,    // the full data as JSON
};
