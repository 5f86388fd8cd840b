#pragma once

#include "data/U_QFile.h"

class Command;
class ComponentOwner;
class Query;

// The one dispatcher behind every New, Save, Cancel and Delete button, and the runner of
// the numbered commands whose text lives in qry.ini.
using CommPar = std::vector<QVariant>;

constexpr int opNew = 1;
constexpr int opSave = 2;
constexpr int opCancel = 3;
constexpr int opDelete = 4;

constexpr int orOk = 0;
constexpr int orBusy = 1;
constexpr int orNotEditing = 2;
constexpr int orConvertError = 3;

extern const QString kBusyWarning;
extern const QString kDeleteConfirmation;
// The warning after a value that cannot be converted, whatever the field.
extern const QString kFormatWarning;

// Checks the dataset's state, refuses what it does not allow (with the busy warning), asks
// before deleting and returns a result code. Errors other than a conversion error on save
// reach the caller. A code outside 1..4 does nothing and returns orOk.
int RecordOperation(int code, Query& dataSet);

// RecordOperation on the module's component named exactly `name`. A name no component has,
// or a component that is not a query, is an EngineError.
int OperationOnComponent(ComponentOwner& module, int code, const QString& name);

// Runs the command's text read from qry.ini under its name followed by `number`.
void ExecuteCommand(int number, const QString& section, const CommPar& params, Command& command);
