// One tab of the viewer: the data of one load and the view that shows it. The
// page owns both; the view goes first, since it reads the data.
#pragma once

#include "LoadedData.h"

#include <QWidget>

#include <memory>
#include <vector>

class DataPage : public QWidget {
public:
    DataPage(std::unique_ptr<LoadedData> data, const std::vector<COMMON::STRUCT_WELL_HEAD>& heads,
             QWidget* parent = nullptr);
    ~DataPage() override;

    const LoadedData& Data() const { return *m_data; }
    QWidget* View() const { return m_view; }

private:
    std::unique_ptr<LoadedData> m_data;
    QWidget* m_view;
};
