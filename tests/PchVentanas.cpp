// Sólo da a las pruebas de ventanas sus cabeceras precompiladas.
