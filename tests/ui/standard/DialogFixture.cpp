#include "DialogFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "device/DeviceState.h"

namespace tarvik::test {

void StandInHost::SettingDialog_OK() {
    const auto& s = State();
    const auto p = static_cast<std::size_t>(s.SelectedPedalNo);
    calls.push_back({s.SettingEnabled, s.OutputMode[p], s.CommonData[p]});
    if (whileSending) whileSending();
}

HID_PnP& StandInHost::plugNPlay() {
    // The standard dialog reaches the unit only through SettingDialog_OK.
    ADD_FAILURE() << "the standard dialog asked for the connection manager";
    if (!link_) {
        unit_ = std::make_unique<SimulatedUnit>();
        link_ = std::make_unique<HID_PnP>(*unit_);
    }
    return *link_;
}

Common MarkedWith(std::initializer_list<std::uint8_t> head) {
    Common c = Marked();
    std::size_t i = 0;
    for (auto b : head) c[i++] = b;
    return c;
}

void StandardDialogTest::SetRecord(int pedal, std::uint8_t mode, const Common& common, int count) {
    auto& s = State();
    s.NumberOfPedals = count;
    s.SelectedPedalNo = pedal;
    s.OutputMode[static_cast<std::size_t>(pedal)] = mode;
    s.CommonData[static_cast<std::size_t>(pedal)] = common;
    s.SettingEnabled = false;
    s.StandardSettingDialogOpen = true;
}

QPointer<SettingDialogViewController> StandardDialogTest::Open(bool deleteOnClose) {
    window_.resize(400, 300);
    auto* d = new SettingDialogViewController(host_, &window_);
    d->setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    d->open();
    dialog_ = d;
    return dialog_;
}

void StandardDialogTest::Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool StandardDialogTest::WaitFor(const std::function<bool()>& done, int ms) {
    return QTest::qWaitFor(done, ms);
}

void StandardDialogTest::Click(const char* name) {
    auto* b = Find<QAbstractButton>(name);
    if (b && b->isEnabled()) b->click();
}

QString StandardDialogTest::CurrentTabId() {
    auto* tabs = Find<QTabWidget>("tabcontrolOutputMode");
    return tabs && tabs->currentWidget() ? tabs->currentWidget()->objectName() : QString();
}

void StandardDialogTest::ShowTab(const char* id) {
    auto* tabs = Find<QTabWidget>("tabcontrolOutputMode");
    auto* page = Find<QWidget>(id);
    tabs->setCurrentWidget(page);
}

QString StandardDialogTest::Text(const char* name) {
    QWidget* w = Find<QWidget>(name);
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    ADD_FAILURE() << name << " has no text";
    return {};
}

std::uint8_t StandardDialogTest::Mode(int pedal) { return State().OutputMode[static_cast<std::size_t>(pedal)]; }

Common StandardDialogTest::CommonOf(int pedal) { return State().CommonData[static_cast<std::size_t>(pedal)]; }

}  // namespace tarvik::test
