#include "library_fixture.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QString>
#include <memory>

#include "art/fonts.h"
#include "art_names.h"
#include "library.h"

namespace velmora::rgfgen::testing {

namespace {

// Drawing needs a QGuiApplication for the whole run.
class GuiEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "rgfgen_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
        ASSERT_TRUE(LoadFonts());
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kGui =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

}  // namespace

const std::vector<rgf::Entry>& Library() {
    static const std::vector<rgf::Entry> entries = BuildLibrary();
    return entries;
}

const rgf::Entry* Find(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (const rgf::Entry& entry : Library()) {
        if (QString::fromStdString(entry.name).compare(wanted, Qt::CaseInsensitive) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

QImage Picture(const std::string& name) {
    const rgf::Entry* entry = Find(name);
    if (entry == nullptr || entry->kind == rgf::Kind::Wave) {
        return {};
    }
    return QImage::fromData(entry->payload.data(), static_cast<int>(entry->payload.size()))
        .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace velmora::rgfgen::testing
