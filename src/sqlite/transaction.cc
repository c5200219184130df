#include "sqlite/transaction.h"

namespace sqlite {

Transaction::~Transaction() {
  if (open_)
    db_.runTransactionStep(Database::TransactionStep::kRollback);
}

bool Transaction::beginRead() {
  open_ = db_.runTransactionStep(Database::TransactionStep::kBeginRead);
  return open_;
}

bool Transaction::beginWrite() {
  open_ = db_.runTransactionStep(Database::TransactionStep::kBeginWrite);
  return open_;
}

bool Transaction::commit() {
  if (!open_ || !db_.runTransactionStep(Database::TransactionStep::kCommit))
    return false;
  open_ = false;
  return true;
}

}  // namespace sqlite
