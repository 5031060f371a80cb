#include "DataPage.h"

#include "ViewFactory.h"

#include <QVBoxLayout>

DataPage::DataPage(std::unique_ptr<LoadedData> data,
                   const std::vector<COMMON::STRUCT_WELL_HEAD>& heads, QWidget* parent)
    : QWidget(parent), m_data(std::move(data)), m_view(ViewFactory::Create(*m_data, heads, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

DataPage::~DataPage() {
    delete m_view;
}
