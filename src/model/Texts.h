// SPDX-License-Identifier: GPL-3.0-or-later
// Every user-visible text and console line that more than one place of the program shows, once.
// The GUI and the CLI both take them from here. Line breaks are part of the texts.
#pragma once

#include <string>

#include "model/ContentsGroups.h"
#include "model/Translate.h"

namespace tarvik::text {

// One of the texts below in the user's language.
inline std::string Tr(const char* source) {
    return i18n::Translate("Texts", source);
}

// Device link.
inline constexpr const char* SendError = TARVIK_TR_NOOP("Texts", "送信エラー");
inline constexpr const char* Timeout = TARVIK_TR_NOOP("Texts", "タイムアウト");
inline constexpr const char* ConsoleTimeout = "timeout";
inline constexpr const char* ConsoleAlertOk = "alert_OK_pushed";
inline constexpr const char* ConsoleOtherResponse = "その他:";  // followed by the response number

// Title of the confirmations.
inline constexpr const char* ProductTitle = "Oremba Tarvik";

// Reading the unit.
inline constexpr const char* UnsupportedFirmware =
    TARVIK_TR_NOOP("Texts", "このバージョンは対応しておりません");

// Main window explanation line ("\r" alone breaks the line).
inline constexpr const char* ExplanationNoUnit =
    TARVIK_TR_NOOP("Texts",
                   "Tarvikを接続して下さい。Tarvikは自動的に認識されます。\r"
                   "Tarvikの設定を行わない場合、このプログラムを終了して下さい。");
inline constexpr const char* ExplanationConnected = TARVIK_TR_NOOP(
    "Texts",
    "Tarvikの現在の設定が下に表示されています。\r"
    "設定を変更する場合、設定したいペダルに対応するボタンをクリックしてTarvikの出力を設定して下さい。");

// Factory reset.
inline constexpr const char* ResetConfirm =
    TARVIK_TR_NOOP("Texts",
                   "このTarvikの設定を工場出荷状態に戻します．よろしいですか？\r\n"
                   "工場出荷状態に戻す場合は [OK]，何も行わない場合は [キャンセル] をクリックして下さい．");
// The "¥r¥n" here are printed characters, not a line break: the text has always read so.
inline constexpr const char* ResetFailed = TARVIK_TR_NOOP(
    "Texts", "エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。");
inline constexpr const char* ConsoleCancelled = TARVIK_TR_NOOP("Texts", "キャンセルしました");
inline constexpr const char* ConsoleResetting =
    "The selected Tarvik ddddis returning to the initial state in time of factory shipment.";

// Writing one pedal; %1 is the pedal name.
inline constexpr const char* SettingDone = TARVIK_TR_NOOP("Texts", "Tarvikの%1の設定が正常に終わりました。");
// A write the read-back does not confirm; %1 is the pedal name, %2 the description of what the
// unit holds.
inline constexpr const char* SettingDiffered = TARVIK_TR_NOOP(
    "Texts",
    "Tarvikの%1に書き込んだ設定を読み出して確かめたところ、書き込んだ内容と違っていました。\r\n"
    "Tarvikに記憶されている設定は次の通りです。\r\n%2");

// Menu.
inline constexpr const char* QuickStartGuideIntro =
    TARVIK_TR_NOOP("Texts", "クイックスタートガイドは、下記からダウンロードすることができます。\r\n");
inline constexpr const char* VersionIntro =
    TARVIK_TR_NOOP("Texts", "Oremba Tarvik Macアプリ\r\nバージョン: ");

// Main window buttons; %1 is the pedal name.
inline constexpr const char* StandardButton = TARVIK_TR_NOOP("Texts", "%1の設定（標準）");
inline constexpr const char* AdvancedButton = TARVIK_TR_NOOP("Texts", "%1の設定（高度）");
// Why an advanced button is disabled while the menu item below is off.
inline constexpr const char* AdvancedButtonOffTip = TARVIK_TR_NOOP(
    "Texts", "高度な設定を使うには、「Tarvik」メニューの「高度な設定を使う」をオンにして下さい。");
inline constexpr const char* AdvancedSettingsItem = TARVIK_TR_NOOP("Texts", "高度な設定を使う(&A)");

// What assistive technology calls a pedal's description box; %1 is the pedal name.
inline constexpr const char* PedalSettingName = TARVIK_TR_NOOP("Texts", "%1の設定内容");

// Standard dialog.
inline constexpr const char* StandardDialogTitle = TARVIK_TR_NOOP("Texts", "標準設定");
inline constexpr const char* ExplanationCaption = TARVIK_TR_NOOP("Texts", "説明");
inline constexpr const char* RadioNoModifiers =
    TARVIK_TR_NOOP("Texts", "control, shift, option, command なし");
inline constexpr const char* RadioWithModifiers =
    TARVIK_TR_NOOP("Texts", "control, shift, option, command あり");
inline constexpr const char* RadioOnlyModifiers =
    TARVIK_TR_NOOP("Texts", "control, shift, option, command だけ");
inline constexpr const char* WriteButton = TARVIK_TR_NOOP("Texts", "Tarvikに書き込む");
inline constexpr const char* LeftClick = TARVIK_TR_NOOP("Texts", "左ボタンクリック");
inline constexpr const char* RightClick = TARVIK_TR_NOOP("Texts", "右ボタンクリック");
inline constexpr const char* CenterClick = TARVIK_TR_NOOP("Texts", "中央ボタンクリック");
inline constexpr const char* DoubleClick = TARVIK_TR_NOOP("Texts", "ダブルクリック");
inline constexpr const char* OutOfStandard =
    TARVIK_TR_NOOP("Texts",
                   "このペダルに設定されている内容は，標準設定の範囲を超えています．\r\n"
                   "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] "
                   "をクリックして下さい．");
// Console: ConsoleSettingInPedal + pedal number + one of the two endings.
inline constexpr const char* ConsoleSettingInPedal = "Setting in Pedal ";
inline constexpr const char* ConsoleOutOfStandardKept =
    " is out of the Standard, but the user selected setting by the Standard.";
inline constexpr const char* ConsoleOutOfStandardCancelled =
    " is out of the Standard, and the user selected canceling.";

// A unit is present but may not be opened: what stands in the way is the udev rule that gives the
// user at the seat access. What the user can do depends on where (whether) the rule is installed.
enum class AccessRule {
    Missing,        // no rule file found
    Installed,      // in a folder udev reads rules from
    NotReadByUdev,  // installed under a prefix udev does not read (e.g. /usr/local)
};

// Main window explanation ("\r" alone breaks the line). `rulePath` names the file found.
inline std::string UnitAccessDenied(AccessRule rule, const std::string& rulePath) {
    switch (rule) {
    case AccessRule::Installed:
        return contents::Fill(
            Tr(TARVIK_TR_NOOP(
                "Texts",
                "Tarvikが接続されていますが、アクセス権がないため開くことができません。\r"
                "udevルール %1 は導入済みです。Tarvikを挿し直して下さい（README「udev rule」参照）。")),
            {rulePath});
    case AccessRule::NotReadByUdev:
        return contents::Fill(
            Tr(TARVIK_TR_NOOP("Texts",
                              "Tarvikが接続されていますが、アクセス権がないため開くことができません。\r"
                              "udevルール %1 を /etc/udev/rules.d/ にコピーし（README「udev "
                              "rule」参照）、Tarvikを挿し直して下さい。")),
            {rulePath});
    case AccessRule::Missing:
        break;
    }
    return Tr(TARVIK_TR_NOOP(
        "Texts",
        "Tarvikが接続されていますが、アクセス権がないため開くことができません。\r"
        "udevルール 70-tarvik.rules を導入し（README「udev rule」参照）、Tarvikを挿し直して下さい。"));
}

// tarvikctl's advice after "the Tarvik unit at PATH is there, but you may not open it (permission
// denied)."
inline std::string UnitAccessDeniedAdvice(AccessRule rule, const std::string& rulePath) {
    switch (rule) {
    case AccessRule::Installed:
        return "The udev rule " + rulePath +
               " is installed: plug the unit in again, or run `udevadm control --reload && udevadm trigger` "
               "as root. The rule gives access to the user logged in at the seat only, not to remote (ssh) "
               "sessions; `tarvikctl doctor` tells more.";
    case AccessRule::NotReadByUdev:
        return "The udev rule " + rulePath +
               " is installed where udev does not read rules: copy it to /etc/udev/rules.d/ as root and plug "
               "the unit in again; `tarvikctl doctor` checks the result.";
    case AccessRule::Missing:
        break;
    }
    return "Install the udev rule 70-tarvik.rules (see README, \"udev rule\") and plug the unit in again; "
           "`tarvikctl doctor` checks the result.";
}

}  // namespace tarvik::text
