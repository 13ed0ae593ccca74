#pragma once

// "Fotoğraftan Oku": a photo of a resistor opened, dropped or pasted, its
// body's ends found (and movable), and up to three readings of its bands
// offered; "Kullan" hands the chosen one's colours on.

#include "colorcode/bandtables.h"
#include "forms/toolwindow.h"
#include "photo/photoloader.h"
#include "photo/photoreading.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QThread;

namespace photo
{

class PhotoView;

class PhotoWindow : public ToolWindow
{
    Q_OBJECT
public:
    explicit PhotoWindow(QWidget *owner);
    ~PhotoWindow() override;

    // Opens a photo file or takes a picture, and reads it, away from the
    // window's thread.
    void openFile(const QString &path);
    void openImage(const QImage &image);
    // Reads the photo again between the ends now on it.
    void readAgain();

    bool isBusy() const;
    const PhotoReading &reading() const { return m_reading; }
    // The text a proposal is listed and heard with.
    static QString proposalText(int number, const Reading &reading);

    PhotoView *view() const { return m_view; }
    QListWidget *proposals() const { return m_list; }
    QPushButton *openButton() const { return m_open; }
    QPushButton *useButton() const { return m_use; }
    QLabel *status() const { return m_status; }

signals:
    // The chosen proposal's colours, first digit first; a Renksiz tolerance
    // included.
    void useReading(std::vector<colorcode::Colour> bands);
    // A reading has come back and is shown.
    void readingShown();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    struct Job {
        std::function<LoadedPhoto()> load; // empty: the photo shown stays
        std::optional<Ends> ends;          // in the picture's pixels
    };
    struct Outcome {
        std::optional<LoadedPhoto> loaded;
        PhotoReading reading;
    };

    void start(Job job);
    void finished();
    void present(const Outcome &outcome);
    void chooseFile();
    void paste();
    void use();
    void proposalChosen();

    PhotoView *m_view = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_paste = nullptr;
    QPushButton *m_read = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_use = nullptr;

    std::shared_ptr<const RgbImage> m_image; // what is read
    double m_scale = 1;                      // image pixels per photo pixel
    PhotoReading m_reading;
    QThread *m_worker = nullptr;
    std::shared_ptr<Outcome> m_outcome;
    std::optional<Job> m_waiting; // asked for while the worker was busy
};

} // namespace photo
