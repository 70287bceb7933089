// The draw window's part in draws without repeats and in the record of
// results: the option's check mark and its line in the configuration file,
// the line each stop appends to history.txt, and the menu items that open it
// and save it as a table.
#include "draw/core/draw_history.h"
#include "draw/core/no_repeat_option.h"
#include "draw/win/draw_controls.h"
#include "draw/win/draw_window.h"
#include "draw/win/history_file.h"
#include "shared/core/file_system.h"
#include "shared/core/ini_file.h"
#include "shared/win/message_box.h"
#include "shared/win/wide_text.h"

namespace ravelo::win {

void DrawWindow::SetNoRepeatChecked(bool checked) {
  menu_.SetChecked(draw_controls::kMenuNoRepeat, checked);
  menu_.EnableRestartRound(checked || engine_.RoundsOn());
}

void DrawWindow::SaveNoRepeat(bool on) {
  // Without a configuration file a new one would hold this key alone, and
  // every other setting would read as missing at the next start.
  const FilePath config = PathFromUtf8(paths_.ConfigPath());
  if (!IsExistingFile(config) ||
      !WriteProfileValue(config, draw::kNoRepeatSection, draw::kNoRepeatKey, draw::NoRepeatFieldText(on)))
    ShowWarning(Handle(), Widen(draw::kNoRepeatNotSavedMessage));
}

void DrawWindow::ShowHistory() {
  if (historyFailure_) ShowWarning(Handle(), Widen(draw::HistoryFailureMessage(*historyFailure_)));
  const std::string path = data_.HistoryPath();
  if (!IsExistingFile(PathFromUtf8(path))) {
    if (!historyFailure_) ShowInformation(Handle(), Widen(draw::kNoHistoryMessage));
    return;
  }
  if (!OpenWithShell(Handle(), path)) ShowWarning(Handle(), Widen(draw::kHistoryNotOpenedMessage));
}

void DrawWindow::SaveHistoryAsTable() {
  const auto record = ReadWholeFile(PathFromUtf8(data_.HistoryPath()));
  if (!record) {
    ShowInformation(Handle(), Widen(draw::kNoHistoryMessage));
    return;
  }
  const auto target = dialogs_.SaveFile(Handle(), {L"抽签记录另存为表格", L"CSV表格 (*.csv)|*.csv|所有文件 (*.*)|*.*", 1},
                                        L"抽签记录.csv", L"csv");
  if (!target) return;
  if (WriteFileAtomically(FilePath(*target), draw::HistoryCsv(*record)))
    ShowInformation(Handle(), L"抽签记录已保存为表格:" + *target);
  else
    ShowWarning(Handle(), L"抽签记录无法保存到" + *target + L",请检查文件是否正被其他程序打开,或换一个位置再试");
}

}  // namespace ravelo::win
