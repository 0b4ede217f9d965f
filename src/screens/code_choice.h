#pragma once
// A field chosen from a fixed list of numbered codes (document types, regions):
// a read-only panel with the chosen name and a "..." button that opens the list
// at the code held. A row whose name differs from the one shown replaces code and
// name and counts as an edit; choosing the same row again changes nothing.
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "screens/field_binder.h"

class QLineEdit;

namespace kvz {

class TFieldBinder;
class TfmCodeList;
class TPickButton;

class TCodeChoice : public QWidget {
    Q_OBJECT
public:
    using ListFactory = std::function<std::unique_ptr<TfmCodeList>(int code, QWidget* parent)>;

    TCodeChoice(const QString& panelName, const QString& buttonName, const QString& hint, ListFactory list);

    // Shows the code and name of the fields and writes them back on Store.
    void Bind(TFieldBinder& binder, FieldAccess<uint16_t> code, FieldAccess<std::string> name);
    uint16_t Code() const { return Code_; }
    bool Chosen() const;
    TPickButton* Button() const { return Button_; }

signals:
    // Another row was chosen (after code and name changed).
    void changed();

private:
    void Take(const std::string& code, const std::string& name);

    QLineEdit* Panel_;
    TPickButton* Button_;
    uint16_t Code_ = 0;
};

}  // namespace kvz
