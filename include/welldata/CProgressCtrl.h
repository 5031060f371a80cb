// The progress bar the library drives while it reads and loads.
#pragma once

#include "welldata/Export.h"

// A host hands a CProgressCtrl to CLoadData; a null pointer means no progress
// display. The library sets the range and step, resets the position and steps
// the bar; it never deletes it.
class WELLDATA_API CProgressCtrl {
public:
    virtual ~CProgressCtrl() = default;

    virtual void SetRange(int lower, int upper) = 0;
    virtual void GetRange(int& lower, int& upper) const = 0;
    virtual void SetStep(int step) = 0;
    virtual void SetPos(int position) = 0;
    virtual void StepIt() = 0;
    // Whether the bar is shown; a bar without a window is never driven.
    virtual bool HasWindow() const = 0;
};
