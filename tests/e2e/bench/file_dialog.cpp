// The common file dialogs and the clipboard, as the operator uses them.
#include "bench/bench.h"

#include <cstring>

namespace ravelo::e2e {

void AnswerFileDialog(const Process& program, const std::wstring& path) {
  const Window dialog = program.WaitForWindow({.className = L"#32770"});
  // The file name box: cmb13 (a combo box) in the Explorer-style dialog, edt1 in
  // older ones and in some versions of Wine.
  Window name;
  WaitUntil(
      [&] {
        for (const int id : {1148, 1152}) {
          const auto found = dialog.Children({.controlId = id});
          if (!found.empty()) {
            name = found.front();
            return true;
          }
        }
        // Otherwise the dialog's one edit box of its own.
        const auto edits = dialog.Children({.className = L"Edit"});
        if (edits.size() == 1) name = edits.front();
        return edits.size() == 1;
      },
      "the file dialog's name box");
  name.SetText(path);
  // The command its OK button sends: Wine's file dialog (8.0) stays open with
  // the name in its box after a BM_CLICK posted to that button.
  const Window ok = dialog.ChildById(IDOK);
  PostMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok.Handle()));
  dialog.WaitUntilGone();
}

void PutOnClipboard(const std::wstring& text) {
  WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, "the clipboard");
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
  if (!memory) throw BenchError("no memory for the clipboard");
}

}  // namespace ravelo::e2e
