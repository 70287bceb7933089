#include "config/win/list_name_prompt.h"

#include "config/win/modal_form.h"
#include "config/win/secondary_controls.h"
#include "config/win/secondary_form.h"
#include "shared/core/data_folder.h"
#include "shared/win/form_controls.h"
#include "shared/win/image_button.h"
#include "shared/win/skinned_form.h"

namespace ravelo::win::config {
namespace {

using namespace secondary_controls::list_name;

constexpr int kWidth = 300;
constexpr int kHeight = 130;
constexpr COLORREF kInk = RGB(0, 0, 0);

class ListNamePrompt final : public SkinnedForm {
 public:
  bool Open(const std::wstring& baseFolder, const wchar_t* caption, const std::wstring& initial) {
    if (!Create(SecondaryFormDesign(kWindowClass, caption, kWidth, kHeight))) return false;
    AddText(L"名单名称:", {16, 48}, kInk);
    // What [Draw] list holds, less the byte that ends the text.
    if (!name_.Create(Handle(), kName, {88, 44, kWidth - 16, 68}, kListFieldBytes - 1)) return false;
    name_.SetFont(ControlFont());
    name_.SetText(initial);
    name_.SelectAll();
    if (!AddButton(ok_, kOk, L"确定", {132, 90, 64, 24}) || !AddButton(cancel_, kCancel, L"取消", {212, 90, 64, 24}))
      return false;
    ok_.onClick = [this] { Finish(true); };
    cancel_.onClick = [this] { Finish(false); };
    onClose = [this] { Finish(false); };
    ApplyDialogSkin(*this, baseFolder, ok_);
    cancel_.SetCursor(Hand());
    return true;
  }
  const std::optional<std::wstring>& Answer() const { return answer_; }

 private:
  void Finish(bool accepted) {
    if (accepted) {
      // Blanks around a name are not part of it: the configuration file
      // would drop the leading ones from [Draw] list.
      std::wstring name = name_.Text();
      const wchar_t* const blanks = L" \t\u3000";
      const size_t first = name.find_first_not_of(blanks);
      answer_ = first == std::wstring::npos ? std::wstring()
                                            : name.substr(first, name.find_last_not_of(blanks) - first + 1);
    }
    CloseModal(*this);
  }

  EditBox name_;
  ImageButton ok_;
  ImageButton cancel_;
  std::optional<std::wstring> answer_;
};

}  // namespace

std::optional<std::wstring> AskListName(HWND owner, const std::wstring& baseFolder, const wchar_t* caption,
                                        const std::wstring& initial) {
  ListNamePrompt prompt;
  if (!prompt.Open(baseFolder, caption, initial)) return std::nullopt;
  RunModal(owner, prompt);
  return prompt.Answer();
}

}  // namespace ravelo::win::config
