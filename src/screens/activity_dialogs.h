#pragma once
// The dialogs of the business screen: "Вид деятельности" (TfmInputBusinessIncome),
// the kind of an activity and its code, and "Код по ОКВЭД" (TFormOKVED), the code
// chosen level by level in the activity classifier.
#include <QDialog>
#include <QString>

#include "directory/activity_picker.h"
#include "screens/screen_resources.h"

class QButtonGroup;
class QComboBox;
class QLabel;

namespace kvz {

class mTBusinessNew;
class TMaskedEdit;

// The caption of an activity in the list: its code for a business activity, the
// kind's name otherwise.
QString ActivityCaption(const mTBusinessNew& activity);

class TFormOKVED : public QDialog {
    Q_OBJECT
public:
    // Opens at the path to `code` when the classifier has it.
    TFormOKVED(const ActivityClassifier& classifier, const std::string& code, CheckDialog* checkDialog,
               QWidget* parent);
    std::string ChosenCode() const { return Picker_.ChosenCode(); }
    QComboBox* Level(int level) const { return cbLevels_[level - 1]; }

private:
    void ShowLevels();
    void OnAccept();

    ActivityPicker Picker_;
    CheckDialog* CheckDialog_;
    QComboBox* cbLevels_[kActivityLevels] = {};
    QLabel* lblCode_ = nullptr;
};

class TfmInputBusinessIncome : public QDialog {
    Q_OBJECT
public:
    TfmInputBusinessIncome(const mTBusinessNew& activity, const ScreenResources& resources, QWidget* parent);
    // The kind and code chosen, into the activity.
    void Take(mTBusinessNew& activity) const;

private:
    void PickCode();
    void OnAccept();

    const ScreenResources& Resources_;
    QButtonGroup* Kinds_ = nullptr;
    TMaskedEdit* meCode_ = nullptr;
};

// Edits the activity's kind and code; false when the user cancelled.
bool EditActivity(mTBusinessNew& activity, const ScreenResources& resources, QWidget* parent);

}  // namespace kvz
