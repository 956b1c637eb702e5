#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Date.h"

namespace kz {

enum class Icon { None, Critical, Exclamation, Question, Information };
enum class Buttons { OK, YesNo, YesNoCancel, RetryCancel };
enum class Answer { OK, Yes, No, Cancel, Retry };

inline constexpr const char* kDefaultTitle = "Brisklane Kerva Zyl";

struct ScreenSize {
    int width = 1024;
    int height = 768;
};

// An image of a window for the printer: width x height pixels, row by row,
// each 0xAARRGGBB.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Everything the program asks of the desktop goes through this interface, so
// that all logic runs without a window system. Texts are UTF-8; line breaks
// inside message texts are CR LF.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; returns the button pressed.
    virtual Answer MessageBox(const std::string& text, Icon icon = Icon::None,
                              Buttons buttons = Buttons::OK,
                              const std::string& title = kDefaultTitle) = 0;
    // An input box; an empty answer means cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) = 0;
    // File dialogs; the filter is in the "Name|*.ext|Name|*.*" form. Empty
    // when cancelled.
    virtual std::string OpenFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& proposedName,
                                       const std::string& initialFolder) = 0;
    virtual std::string SaveFileDialog(const std::string& title, const std::string& filter,
                                       const std::string& proposedName,
                                       const std::string& initialFolder) = 0;

    // The progress window of long file operations; the active window is
    // disabled while it shows.
    virtual void ShowProgress(const std::string& message) = 0;
    // Sets the bar to value/max; returns the whole percentage.
    virtual int SetProgress(long long value, long long max) = 0;
    virtual void HideProgress() = 0;
    // Hourglass pointer on or off.
    virtual void SetBusy(bool busy) = 0;

    // The clock: every use of today's date or the time goes through here.
    virtual DateTime Now() = 0;
    Date Today() { return Now().date; }
    // Local date of a file's last modification; nothing when it has none.
    virtual std::optional<Date> FileModificationDate(const std::string& path) = 0;

    // Plays a wave file of the program's folder asynchronously; silent when
    // the file is missing.
    virtual void PlaySound(const std::string& fileName) = 0;
    // Prints a plain text on the default printer. On failure fills the
    // system's error number and description and returns false.
    virtual bool PrintPlainText(const std::string& text, int pointSize, int& errorNumber,
                                std::string& errorText) = 0;
    // Prints a picture on the default printer, as large as the page allows.
    // On failure fills the system's error number and description and returns
    // false.
    virtual bool PrintPicture(const Picture& picture, int& errorNumber, std::string& errorText) = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // Starts the desktop calculator; on failure `program` names what was tried.
    virtual bool StartCalculator(std::string& program, std::string& errorText) = 0;
    // Opens a local page in the desktop's browser.
    virtual bool OpenHelpPage(const std::string& path, std::string& errorText) = 0;
    virtual bool AnotherInstanceRunning() = 0;
    virtual ScreenSize Screen() = 0;

    // Folder for the program's writable files (settings, data folder, error
    // notes), with a trailing "/".
    virtual std::string ProgramFolder() = 0;
    // Folder of the read-only assets (sounds, help pages), with a trailing "/".
    virtual std::string AssetFolder() = 0;

    // A dialog that chooses a folder; empty when cancelled.
    virtual std::string FolderDialog(const std::string& title,
                                     const std::string& initialFolder) = 0;
};

// Shows a message whose second part follows a blank line, as most error
// messages do: "first\r\n\r\nsecond".
std::string JoinParagraphs(const std::string& first, const std::string& second);

}  // namespace kz
