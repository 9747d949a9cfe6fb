#pragma once

#include "platform/forms/MsgBox.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

struct sqlite3;

namespace testing {

// The seven columns of a car row, for building test databases.
struct Car {
    QString arac;
    std::optional<double> beygir;
    double silindirhacim = 1600;
    int silindirsayi = 4;
    double hizlanma = 10.5;
    double agirlik = 1100;
    double yakit = 6.5;
};

// A real SQLite car database in a fresh temporary folder, which the program's database lookup
// then searches alone.
class CarDatabaseFixture {
public:
    CarDatabaseFixture(const QList<Car>& kayitlar = {}, const QList<Car>& kayitlar2 = {});
    ~CarDatabaseFixture();

    QString folder() const { return dir_.path(); }
    QString path() const;
    // Runs SQL on the database (to break it or add odd rows).
    void exec(const QString& sql) const;
    // Replaces the file with arbitrary bytes.
    void overwrite(const QByteArray& bytes) const;
    // Overwrites every page after the first (the header and the schema) with garbage.
    void damagePages() const;

private:
    QTemporaryDir dir_;
};

// Another program's connection holding the database in an exclusive transaction while it lives.
class ExclusiveHold {
public:
    explicit ExclusiveHold(const QString& path);
    ~ExclusiveHold();
    ExclusiveHold(const ExclusiveHold&) = delete;
    ExclusiveHold& operator=(const ExclusiveHold&) = delete;
    // Ends the transaction and closes the connection (callable from another thread).
    void release();

private:
    sqlite3* db_ = nullptr;
};

// Everything a window test needs around it: message boxes recorded instead of shown, the
// program's end recorded instead of quitting, a private instance lock, the browser launcher
// recorded. On destruction every window is closed and destroyed.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();

    const QList<forms::MsgBoxCall>& boxes() const { return boxes_.calls(); }
    void clearBoxes() { boxes_.clear(); }
    std::optional<int> endedWith() const { return ended_; }
    const QStringList& launched() const { return launched_; }
    void setLaunchSucceeds(bool ok) { launchOk_ = ok; }
    QString lockFolder() const { return lockDir_.path(); }

private:
    forms::MsgBoxRecorder boxes_;
    QTemporaryDir lockDir_;
    std::optional<int> ended_;
    QStringList launched_;
    bool launchOk_ = true;
};

// Destroys every top-level window at once.
void destroyAllWindows();

// Called once by each test program: compiled-in resources and font aliases.
void initProgramResources();

} // namespace testing
