// SPDX-License-Identifier: GPL-3.0-or-later
// Every user-visible text and console line that more than one place of the program shows, once.
// The GUI and the CLI both take them from here. Line breaks are part of the texts.
#pragma once

#include <string>

namespace tarvik::text {

// Device link.
inline constexpr const char* SendError = "送信エラー";
inline constexpr const char* Timeout = "タイムアウト";
inline constexpr const char* ConsoleTimeout = "timeout";
inline constexpr const char* ConsoleAlertOk = "alert_OK_pushed";
inline constexpr const char* ConsoleOtherResponse = "その他:";  // followed by the response number

// Title of the confirmations.
inline constexpr const char* ProductTitle = "Oremba Tarvik";

// Reading the unit.
inline constexpr const char* UnsupportedFirmware = "このバージョンは対応しておりません";

// Main window explanation line ("\r" alone breaks the line).
inline constexpr const char* ExplanationNoUnit =
    "Tarvikを接続して下さい。Tarvikは自動的に認識されます。\r"
    "Tarvikの設定を行わない場合、このプログラムを終了して下さい。";
inline constexpr const char* ExplanationConnected =
    "Tarvikの現在の設定が下に表示されています。\r"
    "設定を変更する場合、設定したいペダルに対応するボタンをクリックしてTarvikの出力を設定して下さい。";

// Factory reset.
inline constexpr const char* ResetConfirm =
    "このTarvikの設定を工場出荷状態に戻します．よろしいですか？\r\n"
    "工場出荷状態に戻す場合は [OK]，何も行わない場合は [キャンセル] をクリックして下さい．";
// The "¥r¥n" here are printed characters, not a line break: the text has always read so.
inline constexpr const char* ResetFailed =
    "エラーが発生しました。¥r¥nこのTarvikの設定を工場出荷状態に戻すことができませんでした。";
inline constexpr const char* ConsoleCancelled = "キャンセルしました";
inline constexpr const char* ConsoleResetting =
    "The selected Tarvik ddddis returning to the initial state in time of factory shipment.";

// Writing one pedal: SettingDoneBefore + pedal name + SettingDoneAfter.
inline constexpr const char* SettingDoneBefore = "Tarvikの";
inline constexpr const char* SettingDoneAfter = "の設定が正常に終わりました。";
// A write the read-back does not confirm: SettingDifferedBefore + pedal name + SettingDifferedAfter,
// then the description of what the unit holds.
inline constexpr const char* SettingDifferedBefore = "Tarvikの";
inline constexpr const char* SettingDifferedAfter =
    "に書き込んだ設定を読み出して確かめたところ、書き込んだ内容と違っていました。\r\n"
    "Tarvikに記憶されている設定は次の通りです。\r\n";

// Menu.
inline constexpr const char* QuickStartGuideIntro =
    "クイックスタートガイドは、下記からダウンロードすることができます。\r\n";
inline constexpr const char* VersionIntro = "Oremba Tarvik Macアプリ\r\nバージョン: ";

// Main window buttons: pedal name + suffix.
inline constexpr const char* StandardButtonSuffix = "の設定（標準）";
inline constexpr const char* AdvancedButtonSuffix = "の設定（高度）";
// Why an advanced button is disabled while the menu item below is off.
inline constexpr const char* AdvancedButtonOffTip =
    "高度な設定を使うには、「Tarvik」メニューの「高度な設定を使う」をオンにして下さい。";
inline constexpr const char* AdvancedSettingsItem = "高度な設定を使う(&A)";

// Standard dialog.
inline constexpr const char* StandardDialogTitle = "標準設定";
inline constexpr const char* ExplanationCaption = "説明";
inline constexpr const char* RadioNoModifiers = "control, shift, option, command なし";
inline constexpr const char* RadioWithModifiers = "control, shift, option, command あり";
inline constexpr const char* RadioOnlyModifiers = "control, shift, option, command だけ";
inline constexpr const char* WriteButton = "Tarvikに書き込む";
inline constexpr const char* LeftClick = "左ボタンクリック";
inline constexpr const char* RightClick = "右ボタンクリック";
inline constexpr const char* CenterClick = "中央ボタンクリック";
inline constexpr const char* DoubleClick = "ダブルクリック";
inline constexpr const char* OutOfStandard =
    "このペダルに設定されている内容は，標準設定の範囲を超えています．\r\n"
    "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] をクリックして下さい．";
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
    std::string text = "Tarvikが接続されていますが、アクセス権がないため開くことができません。\r";
    switch (rule) {
    case AccessRule::Installed:
        return text + "udevルール " + rulePath + " は導入済みです。Tarvikを挿し直して下さい（README「udev rule」参照）。";
    case AccessRule::NotReadByUdev:
        return text + "udevルール " + rulePath + " を /etc/udev/rules.d/ にコピーし（README「udev rule」参照）、"
                      "Tarvikを挿し直して下さい。";
    case AccessRule::Missing:
        break;
    }
    return text + "udevルール 70-tarvik.rules を導入し（README「udev rule」参照）、Tarvikを挿し直して下さい。";
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
