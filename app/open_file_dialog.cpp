#include "app/open_file_dialog.h"

#include <QFileDialog>

namespace varnimo::app {

namespace {

QString AskDesktop(QWidget* parent, const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

}  // namespace

OpenFileDialog::OpenFileDialog(QString title, QString filter, QObject* parent)
    : QObject(parent), title_(std::move(title)), filter_(std::move(filter)), chooser_(AskDesktop) {}

QString OpenFileDialog::Choose(QWidget* over) const { return chooser_(over, title_, filter_); }

}  // namespace varnimo::app
