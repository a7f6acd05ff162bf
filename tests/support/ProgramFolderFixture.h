#pragma once

#include "FakeServices.h"
#include "QtPrinters.h"

#include <QTemporaryDir>
#include <QVariantList>
#include <gtest/gtest.h>

namespace testsupport {

// A temporary program folder named by CREELBOOK_HOME, optionally filled with
// the installed content, and fake services.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Copies the installed content and creates the club database.
    void install();
    QString path(const QString &relative) const { return folder_.filePath(relative); }

    QTemporaryDir folder_;
    FakeServices fakes_;
    QByteArray previousHome_;
};

// Plain SQL on a database file, apart from the engine, for checking what it stored.
QList<QVariantList> queryRows(const QString &databasePath, const QString &sql);
void executeSql(const QString &databasePath, const QString &sql);

} // namespace testsupport
