#pragma once

namespace kwil::bench {

// Run as a program of its own: the real platform, the Arduino found on the port that
// KWILMORA_COM_PORTS names, and lesson 1 shown on page 16, where the polling timer reads the
// board every 5 ms. Prints "klaar" once the page is up, then runs until it is killed.
int runLes1Page16(int argc, char* argv[]);

}  // namespace kwil::bench
