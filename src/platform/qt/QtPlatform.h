#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Files.h"
#include "platform/Platform.h"
#include "platform/qt/frmProc.h"

class QObject;
class QSoundEffect;
class QWidget;

namespace kz {

// Message texts use CR LF; Qt shows a plain LF.
QString MessageTextToQ(const std::string& s);
// "Name|*.ext|Name|*.*" -> "Name (*.ext);;Name (*.*)".
QString FilterToQt(const std::string& filter);

// The desktop through Qt: dialogs, progress window, clock, sound, printer,
// clipboard, helper programs and the single-instance lock.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    Answer MessageBox(const std::string& text, Icon icon, Buttons buttons,
                      const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
    std::string OpenFileDialog(const std::string& title, const std::string& filter,
                               const std::string& proposedName,
                               const std::string& initialFolder) override;
    std::string SaveFileDialog(const std::string& title, const std::string& filter,
                               const std::string& proposedName,
                               const std::string& initialFolder) override;

    void ShowProgress(const std::string& message) override;
    int SetProgress(long long value, long long max) override;
    void HideProgress() override;
    void SetBusy(bool busy) override;

    DateTime Now() override;
    std::optional<Date> FileModificationDate(const std::string& path) override;

    void PlaySound(const std::string& fileName) override;
    bool PrintPlainText(const std::string& text, int pointSize, int& errorNumber,
                        std::string& errorText) override;
    bool PrintPicture(const Picture& picture, int& errorNumber, std::string& errorText) override;
    void SetClipboardText(const std::string& text) override;
    bool StartCalculator(std::string& program, std::string& errorText) override;
    bool OpenHelpPage(const std::string& path, std::string& errorText) override;
    bool AnotherInstanceRunning() override;
    ScreenSize Screen() override;

    std::string ProgramFolder() override;
    std::string AssetFolder() override;
    std::string FolderDialog(const std::string& title, const std::string& initialFolder) override;

    // Tests (and unattended runs) may answer message boxes themselves.
    using MessageHook = std::function<Answer(const std::string& text, Icon icon, Buttons buttons,
                                             const std::string& title)>;
    void SetMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }

    // The progress window while it shows (for tests); null otherwise.
    frmProc* ProgressWindow() const { return proc_.data(); }
    // The least time between two paintings of the progress window by
    // SetProgress (tests make it long).
    void SetRepaintInterval(qint64 ms) { repaintInterval_ = ms; }

    // The window that a box, a file dialog or the progress window stands
    // over: the modal box or the active window, or else, while no window is
    // active (a box has just closed, a window has just hidden), the one that
    // was active last and still shows, or the one window that shows. Null
    // when there is no such window.
    QWidget* AskingWindow() const;

private:
    void WindowActivated(QWidget* window);
    std::string RunFileDialog(bool save, const std::string& title, const std::string& filter,
                              const std::string& proposedName, const std::string& initialFolder);

    MessageHook messageHook_;
    std::unique_ptr<QObject> activation_;       // watches which window is active
    std::vector<QPointer<QWidget>> activated_;  // most recent last
    QPointer<frmProc> proc_;
    QPointer<QWidget> disabledWindow_;
    std::unique_ptr<FileLock> lock_;
    std::unique_ptr<QSoundEffect> sound_;
    int busyDepth_ = 0;
    bool progressShown_ = false;
    QElapsedTimer lastRepaint_;
    qint64 repaintInterval_ = 250;
};

}  // namespace kz
