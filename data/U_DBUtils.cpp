#include "data/U_DBUtils.h"

#include "data/MessageSeam.h"
#include "engine/Command.h"
#include "engine/EngineError.h"
#include "engine/Query.h"

const QString kBusyWarning = QStringLiteral(
    "Lo stato attuale è di modifica o di inserimento: salvare i dati o \r\nannullare le "
    "modifiche per consentire questa operazione.");

const QString kFormatWarning = QStringLiteral(
    "Correggere il formato in cui sono state inserite le date.\r\nIl formato corretto è: "
    "'gg/mm/aaaa'");

const QString kDeleteConfirmation =
    QStringLiteral("Questo elemento verrà definitivamente eliminato: \r\ncontinuare?");

int RecordOperation(int code, Query& dataSet) {
    switch (code) {
    case opNew:
        if (dataSet.isEditing()) {
            showWarning(kBusyWarning);
            return orBusy;
        }
        dataSet.insert();
        return orOk;
    case opSave:
        if (!dataSet.isEditing())
            return orNotEditing;
        try {
            dataSet.post();
        } catch (const ConversionError&) {
            return orConvertError;
        }
        // The saved row takes its place in the query's order and stays the current row.
        dataSet.requery();
        return orOk;
    case opCancel:
        if (!dataSet.isEditing())
            return orNotEditing;
        dataSet.cancel();
        return orOk;
    case opDelete:
        if (dataSet.isEditing()) {
            showWarning(kBusyWarning);
            return orBusy;
        }
        if (dataSet.recordCount() > 0 && askConfirmation(kDeleteConfirmation))
            dataSet.remove();
        return orOk;
    default:
        return orOk;
    }
}

int OperationOnComponent(ComponentOwner& module, int code, const QString& name) {
    Component* component = module.findComponent(name);
    if (!component)
        throw EngineError(QStringLiteral("Il modulo '%1' non ha un componente '%2'.")
                              .arg(module.componentName(), name));
    auto* query = dynamic_cast<Query*>(component);
    if (!query)
        throw EngineError(QStringLiteral("Il componente '%1' non è una query.").arg(name));
    return RecordOperation(code, *query);
}

void ExecuteCommand(int number, const QString& section, const CommPar& params, Command& command) {
    const QString key = command.componentName() + QString::number(number);
    const QString sql = ReadQueryText(section, key);
    // The missing text has been reported; there is nothing to run.
    if (IsMissingQueryText(sql))
        return;
    command.setSql(sql);
    command.setParams(params);
    command.execute();
}
