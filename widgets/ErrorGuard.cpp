#include "widgets/ErrorGuard.h"

#include "data/MessageSeam.h"
#include "engine/EngineError.h"
#include "widgets/PictureError.h"

void ShowGeneralError(const QString& message) {
    showError(message);
}

QString MessageOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const EngineError& e) {
        return e.message();
    } catch (const PictureError& e) {
        return e.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Memoria insufficiente per completare l'operazione.");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Si è verificato un errore imprevisto.");
    }
}
