// What a column or curve name stands for. One numbering serves every section
// of the settings file; each caller accepts only the ids of its own section.
#pragma once

#include <cstdint>

enum WellAttributeId : std::uint16_t {
    WAI_NONE = 0,

    // well_head
    WAI_WELL_NAME = 1,
    WAI_WELL_TYPE = 2,
    WAI_WELL_X = 3,
    WAI_WELL_Y = 4,
    WAI_WELL_TOP_DEPTH = 5,
    WAI_WELL_BOTTOM_DEPTH = 6,
    WAI_WELL_KB = 7,

    // well_path
    WAI_PATH_MD = 8,
    WAI_PATH_X = 9,
    WAI_PATH_Y = 10,
    WAI_PATH_Z = 11,
    WAI_PATH_DX = 12,
    WAI_PATH_DY = 13,
    WAI_PATH_TVD = 14,
    WAI_PATH_INCL = 15,
    WAI_PATH_AZIM = 16,

    // well_log: the curves of the curve table, in its order
    WAI_CURVE_DEPTH = 17,
    WAI_CURVE_TVD = 18,
    WAI_CURVE_CAL = 19,
    WAI_CURVE_AC = 20,
    WAI_CURVE_GR = 21,
    WAI_CURVE_NGS = 22,
    WAI_CURVE_SP = 23,
    WAI_CURVE_CNL = 24,
    WAI_CURVE_DEN = 25,
    WAI_CURVE_COND = 26,
    WAI_CURVE_MSFL = 27,
    WAI_CURVE_LLD = 28,
    WAI_CURVE_LLS = 29,
    WAI_CURVE_RT = 30,
    WAI_CURVE_RXO = 31,
    WAI_CURVE_RI = 32,
    WAI_CURVE_RMLL = 33,
    WAI_CURVE_ILM = 34,
    WAI_CURVE_ILD = 35,
    WAI_CURVE_SNP = 36,
    WAI_CURVE_R4 = 37,
    WAI_CURVE_R05 = 38,
    WAI_CURVE_R045 = 39,
    WAI_CURVE_CGR = 40,
    WAI_CURVE_GRSG = 41,
    WAI_CURVE_LL8 = 42,
    WAI_CURVE_NLL = 43,
    WAI_CURVE_ML1 = 44,
    WAI_CURVE_ML2 = 45,
    WAI_CURVE_R2_5 = 46,
    WAI_CURVE_SH = 47,
    WAI_CURVE_SWO = 48,
    WAI_CURVE_POR = 49,
    WAI_CURVE_PERM = 50,
    WAI_CURVE_COAF = 51,
    WAI_CURVE_SAND = 52,
    WAI_CURVE_LIME = 53,
    WAI_CURVE_CLD = 54,

    // rock_core
    WAI_CORE_TOP_DEPTH = 55,
    WAI_CORE_BOTTOM_DEPTH = 56,
    WAI_CORE_DESCRIPTION = 57,

    WAI_FIRST_CURVE = WAI_CURVE_DEPTH,
    // The curves up to here have a default unit on the curve pages.
    WAI_LAST_CURVE_WITH_UNIT = WAI_CURVE_NLL,
    WAI_LAST_CURVE = WAI_CURVE_CLD,
};
