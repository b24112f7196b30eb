// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindowViewController.h"

#include <QFileDialog>

#include "units/UnitLock.h"
#include "units/WriteWatcher.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>

#include "device/HID_PnP.h"
#include "ui/SettingDialogViewController.h"
#include "ui_MainWindowViewController.h"

namespace tarvik {

MainWindowViewController::MainWindowViewController(DeviceState& state, HID_PnP& link, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::MainWindowViewController>()),
      state_(state),
      link_(link),
      lockWaitMs_(UNIT_LOCK_WAIT_MS) {
    askFile_ = [this](bool save) {
        const QString filter = tr("設定ファイル (*.json)");
        return save ? QFileDialog::getSaveFileName(this, tr("設定を書き出す"), QString(), filter)
                    : QFileDialog::getOpenFileName(this, tr("設定を読み込む"), QString(), filter);
    };
    ui_->setupUi(this);
    // The pedals scroll when the window is larger than the screen; where it fits there is nothing
    // to scroll and the pixels are the layout's.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollPedals"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes to the controls, not to the area around them
    scroll->setWidget(takeCentralWidget());
    setCentralWidget(scroll);
    names_ = {ui_->labelPedal0Name, ui_->labelPedal1Name, ui_->labelPedal2Name, ui_->labelPedal3Name,
              ui_->labelPedal4Name};
    texts_ = {ui_->textboxPedal0Contents, ui_->textboxPedal1Contents, ui_->textboxPedal2Contents,
              ui_->textboxPedal3Contents, ui_->textboxPedal4Contents};
    standard_ = {ui_->buttonSetPedal0Standard, ui_->buttonSetPedal1Standard, ui_->buttonSetPedal2Standard,
                 ui_->buttonSetPedal3Standard, ui_->buttonSetPedal4Standard};
    advanced_ = {ui_->buttonSetPedal0Advanced, ui_->buttonSetPedal1Advanced, ui_->buttonSetPedal2Advanced,
                 ui_->buttonSetPedal3Advanced, ui_->buttonSetPedal4Advanced};

    connect(ui_->buttonSetPedal0Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal0Standard_Clicked);
    connect(ui_->buttonSetPedal1Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal1Standard_Clicked);
    connect(ui_->buttonSetPedal2Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal2Standard_Clicked);
    connect(ui_->buttonSetPedal3Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal3Standard_Clicked);
    connect(ui_->buttonSetPedal4Standard, &QPushButton::clicked, this,
            &MainWindowViewController::buttonSetPedal4Standard_Clicked);
    for (int p = 0; p < NUMBER_OF_PEDALS_MAX; ++p)
        connect(advanced_[static_cast<std::size_t>(p)], &QPushButton::clicked, this, [this, p] { SetPedal2Advanced_clicked(p); });
    for (QPlainTextEdit* view : texts_) {
        view->document()->setDocumentMargin(3);
        // Reachable by Tab and readable by a screen reader; the text can be selected and copied.
        view->setFocusPolicy(Qt::StrongFocus);
        view->setTabChangesFocus(true);
        view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    for (QWidget* control : ui_->centralwidget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        design_.emplace_back(control, control->geometry());
    ApplyFontScale();

    exit_ = [](int status) { QCoreApplication::exit(status); };

    // The window is in its no-unit look from the start, even before it is first shown.
    InitializeControls();

    connect(&link_, &HID_PnP::unitAttached, this, &MainWindowViewController::ConnectionChanged);
    connect(&link_, &HID_PnP::unitRemoved, this, &MainWindowViewController::ConnectionChanged);
    // The probe has already found a unit or none: that is the first change to handle.
    ConnectionChanged();
}

MainWindowViewController::~MainWindowViewController() {
    // Dialogs still open refer to this window; they go first.
    delete settingDialog_.data();
}

HID_PnP& MainWindowViewController::plugNPlay() { return link_; }

void MainWindowViewController::SetExitHandler(ExitHandler handler) { exit_ = std::move(handler); }

void MainWindowViewController::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // First appearance only: a window restored from the task bar keeps what it shows, and a unit
    // read before the window first appeared is not wiped.
    if (appeared_ || event->spontaneous()) return;
    appeared_ = true;
    if (!attachRan_) InitializeControls();
}

}  // namespace tarvik
