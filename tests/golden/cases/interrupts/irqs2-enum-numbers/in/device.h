/* Numbers as C reads them; an entry below the running position takes that position; a
   line longer than 1023 bytes arrives in pieces, the second read as a line of its own. */
typedef enum {
  NonMaskableInt_IRQn = -14,
  SysTick_IRQn = -1,
  H_IRQn = 0x2,
  O_IRQn =010,
  X_IRQn = none,
  E_IRQn = 12,
  C_IRQn = 10,
  D_IRQn = 11,
  J_IRQn = 16,
                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                           UARTL_IRQn = 18,
  A_IRQn = 19,
  HUGE_IRQn = 0xFFFFFFFF,
  B_IRQn = 20,
} IRQn_Type;
