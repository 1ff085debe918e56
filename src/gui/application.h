#pragma once

#include <QApplication>
#include <QString>

#include <memory>
#include <string>
#include <vector>

namespace velnorix {

// The application object: owns the windows for the whole run, shows the first
// one created as the main window, and shows every error that a handler did not
// catch in its error box, then carries on.
class TApplication {
public:
    TApplication(int &argc, char **argv);
    ~TApplication();
    TApplication(const TApplication &) = delete;
    TApplication &operator=(const TApplication &) = delete;

    // The caption of the error boxes.
    void SetTitle(const QString &title) { Title = title; }

    // Creates a window, hidden; the first one becomes the main window.
    template <class Form>
    void CreateForm(Form *&reference)
    {
        auto form = std::make_unique<Form>();
        reference = form.get();
        Forms.push_back(std::move(form));
    }

    // Shows the main window and runs until it is closed.
    void Run();

    void ShowException(const std::string &message) const;

private:
    QApplication Application;
    QString Title;
    std::vector<std::unique_ptr<QWidget>> Forms;
};

} // namespace velnorix
