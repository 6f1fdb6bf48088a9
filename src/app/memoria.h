#pragma once

// La memoria del processo: come glibc tiene i blocchi liberati (vedi memoria.cpp).
void psubImpostaAllocatore();
void psubRestituisciMemoria();
