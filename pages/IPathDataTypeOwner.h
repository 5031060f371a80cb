// A dialog that keeps the well path layout (PathDataType) its data page has
// chosen, so that its other pages can follow it: the log settings page offers
// only the mean sea level reference while the layout is X, Y, Z. The data page
// tells the dialog each layout chosen. A dialog that keeps no layout does not
// implement this, and its pages treat the layout as any other than X, Y, Z.
//
// Usage (a dialog): class CDlgImportSingleWellLog : public CDlgImportBase,
//                   public IPathDataTypeOwner {
//                       std::int32_t GetPathDataType() const override;
//                       void SetPathDataType(std::int32_t dataType) override;
//                   };
#pragma once

#include <cstdint>

class IPathDataTypeOwner {
public:
    virtual std::int32_t GetPathDataType() const = 0;
    virtual void SetPathDataType(std::int32_t dataType) = 0;

protected:
    ~IPathDataTypeOwner() = default;
};
