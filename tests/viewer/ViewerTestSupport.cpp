#include "ViewerTestSupport.h"

#include "welldata/Settings.h"

#include <QFile>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace viewertest {

QString Sample(const char* name) {
    return QStringLiteral(WELLDATA_SAMPLES_DIR "/") + QString::fromUtf8(name);
}

Viewer::Viewer()
    : settings(dir.filePath(QStringLiteral("viewer.ini")), QSettings::IniFormat), window(settings) {
    // Columns and curves are recognised as the installed viewer recognises them.
    welldata::SetSettingsFilePath(Sample("welldata.well_attri.ini").toStdWString());
    window.resize(1100, 700);
    window.show();
}

QString Viewer::Write(const char* name, const QByteArray& bytes) const {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
    return file.fileName();
}

int Viewer::Tabs() const {
    return window.Views()->count();
}

const DataPage* Viewer::Page(int index) const {
    return dynamic_cast<const DataPage*>(window.Views()->widget(index));
}

} // namespace viewertest
