#include "loaders/CurveKind.h"

#include "platform/WideText.h"

namespace welldata {

bool IsDepthCurveType(const std::wstring& type) {
    return EqualsNoCase(type, L"DEPTH") || EqualsNoCase(type, L"Z") || EqualsNoCase(type, L"MD") ||
           ContainsNoCase(type, L"TVD");
}

bool IsCoordinateCurveType(const std::wstring& type) {
    return EqualsNoCase(type, L"X") || EqualsNoCase(type, L"Y") || EqualsNoCase(type, L"DX") ||
           EqualsNoCase(type, L"DY");
}

std::wstring LasCurveName(const std::wstring& mnemonic) {
    std::wstring name = ToUpper(TrimRight(mnemonic, L" "));
    return name == L"DEPT" ? std::wstring(L"DEPTH") : name;
}

} // namespace welldata
