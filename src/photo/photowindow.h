#pragma once

// "Fotoğraftan Oku": a photo of a resistor opened, dropped or pasted, its
// body's ends found (and movable), and up to three readings of its bands
// offered. The chosen reading's bands each offer their likeliest colours,
// doubtful ones marked; "Kullan" hands the colours chosen on, "Emin değilim"
// hands them on with the bands in doubt.

#include "colorcode/bandtables.h"
#include "colorcode/colourdoubt.h"
#include "forms/toolwindow.h"
#include "photo/photoloader.h"
#include "photo/photoreading.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
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
    // The chosen proposal as the user has set its bands: their colours, the
    // value they give, and doubtful where the photo left doubt or the user
    // chose another colour; nothing when no proposal is chosen.
    std::optional<Reading> chosenReading() const;

    PhotoView *view() const { return m_view; }
    QListWidget *proposals() const { return m_list; }
    QPushButton *openButton() const { return m_open; }
    QPushButton *useButton() const { return m_use; }
    QLabel *status() const { return m_status; }
    // The colour list of a band of the chosen proposal, first digit first;
    // hidden past its band count.
    QComboBox *bandList(int band) const { return m_bandLists[std::size_t(band)]; }
    QPushButton *unsureButton() const { return m_unsure; }

signals:
    // The chosen proposal's colours, first digit first; a Renksiz tolerance
    // included.
    void useReading(std::vector<colorcode::Colour> bands);
    // The chosen proposal's colours, with the bands whose colour is in doubt:
    // for a closer look at what they could be.
    void unsure(std::vector<colorcode::Colour> bands, colorcode::DoubtfulBands doubtful);
    // A reading has come back and is shown.
    void readingShown();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

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
    void unsureClicked();
    void proposalChosen();
    // Fills the band lists for the chosen proposal.
    void showBands();
    void bandChosen(int band);
    void markClicked(int band);
    int chosenRow() const;

    PhotoView *m_view = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_paste = nullptr;
    QPushButton *m_read = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_use = nullptr;
    QPushButton *m_unsure = nullptr;
    QWidget *m_bands = nullptr;
    std::array<QComboBox *, colorcode::maxBandCount> m_bandLists{};

    std::shared_ptr<const RgbImage> m_image; // what is read
    double m_scale = 1;                      // image pixels per photo pixel
    PhotoReading m_reading;
    // Per proposal, the colours the user has set its bands to.
    std::vector<std::vector<colorcode::Colour>> m_choices;
    QThread *m_worker = nullptr;
    std::shared_ptr<Outcome> m_outcome;
    std::optional<Job> m_waiting; // asked for while the worker was busy
};

} // namespace photo
