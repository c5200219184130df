// The fake server that the program's unit tests share: "Main office", in US
// Eastern standard time (time-zone state 2, bias 300, daylight bias -60),
// whose user ALICE (qualifier ACME, name "Alice Smith") the tests sign in as.
#ifndef INKSTAMP_FAKECLIENT_MAIN_OFFICE_H_
#define INKSTAMP_FAKECLIENT_MAIN_OFFICE_H_

namespace fakeclient {

// reset(), then the server information and user record above.
void resetToMainOffice();

}  // namespace fakeclient

#endif  // INKSTAMP_FAKECLIENT_MAIN_OFFICE_H_
