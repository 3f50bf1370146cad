#pragma once
// The open-file dialog of the main window: a control without a visible area that
// asks the user for a picture file.
//
// The chooser that shows the dialog can be replaced (tests answer without a desktop);
// by default it is the desktop's open-file dialog.

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace varnimo::app {

// Shows an open-file dialog over `parent` and answers the chosen file, or an empty
// text when the user cancelled.
using FileChooser =
    std::function<QString(QWidget* parent, const QString& title, const QString& filter)>;

class OpenFileDialog : public QObject {
  Q_OBJECT

 public:
  OpenFileDialog(QString title, QString filter, QObject* parent = nullptr);

  const QString& Title() const { return title_; }
  const QString& Filter() const { return filter_; }
  void SetChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  // The chosen file; empty when the user cancelled.
  QString Choose(QWidget* over) const;

 private:
  QString title_;
  QString filter_;
  FileChooser chooser_;
};

}  // namespace varnimo::app
