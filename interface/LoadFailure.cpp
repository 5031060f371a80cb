#include "welldata/LoadFailure.h"

#include "interface/FailureReason.h"
#include "platform/Translation.h"

namespace welldata {

void GiveReason(LoadFailure& failure) {
    if (failure.error == LoadError::NoText && failure.message.empty())
        failure.message = Translate(
            WELLDATA_CATALOGUE_TEXT("LoadFailure", "文件中没有文本行：文件是空的，或只有空行。"));
}

const wchar_t* DescribeLoadError(LoadError error) {
    switch (error) {
    case LoadError::None:
        return L"loaded";
    case LoadError::NoFile:
        return L"no file was named";
    case LoadError::CannotOpen:
        return L"the file cannot be opened";
    case LoadError::NoText:
        return L"the file holds no line of text (is it empty, or UTF-16?)";
    case LoadError::NoDepthHeader:
        return L"no header line names the depth";
    case LoadError::LasNoSection:
        return L"a LAS item line comes before any section";
    case LoadError::LasNoData:
        return L"the LAS file has no ~A data section";
    case LoadError::LasNotLas:
        return L"the LAS file lacks its ~V or ~C section";
    case LoadError::LasBadWrap:
        return L"the wrapped LAS data do not join into whole records";
    case LoadError::LasBadRows:
        return L"LAS rows hold another number of values than there are curves";
    case LoadError::MissingColumn:
        return L"a required column is not chosen";
    case LoadError::IncompletePath:
        return L"the well path columns are incomplete";
    case LoadError::DepthCurveCount:
        return L"not exactly one curve is the depth";
    case LoadError::NullInPath:
        return L"a well path point holds a null value";
    case LoadError::NoData:
        return L"the file holds no data to load";
    case LoadError::NoDialogs:
        return L"this build of the library has no import dialogs";
    }
    return L"the file could not be loaded";
}

} // namespace welldata
