#include "ComboAccessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

const char namedByLabel[] = "quillopNamedByLabel";

class LabelledComboBox : public QAccessibleWidget
{
public:
    explicit LabelledComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *box = static_cast<const QComboBox *>(object());
        if (t == QAccessible::Name)
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = static_cast<const QComboBox *>(object())->isEditable();
        s.hasPopup = true;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} << QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            static_cast<QComboBox *>(object())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox") && object &&
        object->property(namedByLabel).toBool())
        return new LabelledComboBox(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

void ComboAccessibility::nameByLabel(QComboBox *box, const QString &name)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    box->setProperty(namedByLabel, true);
    box->setAccessibleName(name);
    if (box->lineEdit())
        box->lineEdit()->setAccessibleName(box->accessibleName());
}
